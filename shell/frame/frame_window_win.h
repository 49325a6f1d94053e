// The frame window: its class and procedure, the MDI client that fills it
// above the status bar, menu-bar switching on child activation, and the
// end of the run when the frame is destroyed.
#pragma once

#include <windows.h>

#include <string>

namespace shell {

bool register_frame_class();
std::string frame_class_name();

// Creates the frame (and with it the MDI client) from the frame size request.
HWND create_frame_window(HINSTANCE instance, const std::string& title);

// F1 on a highlighted menu item starts help mode (GUI thread).
void install_menu_help_hook();

// Places the status bar along the bottom and the MDI client above it.
void lay_out_frame();
// Whether `hwnd` already has this place and size, in its parent's client
// coordinates (the screen's for a top-level window). Under Wine a move
// costs milliseconds even when nothing changes, so callers skip it then.
bool window_is_at(HWND hwnd, int x, int y, int width, int height);

// Menu-bar switching: the standard bar while a child is active, the
// minimal one otherwise.
void show_standard_menu_bar();
void show_minimal_menu_bar();
// Brings the window menu's list of children up to date.
void refresh_window_menu();
// Brings the Size To Fit and Status Bar check marks up to date.
void update_menu_checks(HWND active_child);

}  // namespace shell
