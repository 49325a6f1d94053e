// The frame's menu bars on the platform: the standard bar mirrored from the
// menu model, the minimal bar, item states brought up to date when a menu
// opens, and the user items' routines.
#pragma once

#include <windows.h>

#include <string>

#include "shell/frame/menu_model.h"

namespace shell {

// The model behind the standard menu bar; only the GUI thread and the menu
// services (under the menu lock) touch it.
MenuModel& menu_model();

bool build_minimal_menu_bar();
// Puts the frame's menu bar in place at the end of start-up.
void install_menu_bar();
// Mirrors the model's recorded changes into the real menu bar; the GUI
// thread redraws it (kRedrawMenuBar). False when a menu call failed.
bool mirror_menu_changes();
inline constexpr UINT kRedrawMenuBar = WM_APP + 20;
void redraw_menu_bar();

// Before a menu opens: Input, Paste, Copy, the Select items, Pause/Resume
// and the check marks follow the program's state.
void update_menu_states(HMENU popup);
void set_fit_check(bool on);
void set_status_bar_check(bool on);
// The Input item, while present, is enabled while input is pending.
void set_input_item_enabled(bool enabled);
// While pasted text is pending Paste is grey and Clear Paste enabled;
// otherwise Paste follows the clipboard and Clear Paste is grey.
void set_paste_items(bool pending);

// Pause greys the user items, resume enables them again.
void set_user_items_enabled(bool enabled);
// At the end of the program its own routines' items are greyed.
void grey_program_items();

// Help for menu items: F1 over a highlighted item enters help mode.
bool in_help_mode();
void enter_help_mode();
void show_help_for_command(int command);
// The About box and the help file.
void show_about_box();
void open_help(int command);

}  // namespace shell
