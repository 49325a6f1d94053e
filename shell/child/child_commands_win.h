// Menu commands carried out for the active child window: the standard
// commands and the program's user items, which run on the GUI thread.
#pragma once

#include <windows.h>

namespace shell {

void on_child_command(HWND child, int command);

// The standard item of `command` is present (not deleted by itself).
bool item_present(int command);
// Alt+Enter (Full Screen), Ctrl+Ins (Copy), Shift+Ins (Paste), acting only
// while their item is in the menu bar and enabled; true when handled.
bool on_menu_key(HWND child, int virtual_key, bool alt);

}  // namespace shell
