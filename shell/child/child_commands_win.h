// Menu commands carried out for the active child window: the standard
// commands and the program's user items, which run on the GUI thread.
#pragma once

#include <windows.h>

namespace shell {

void on_child_command(HWND child, int command);

// Control keys typed in a child: Ctrl+C (Exit), Ctrl+S (Pause), Ctrl+Q and
// Escape (Resume); true when the key was one of them.
bool on_control_key(HWND child, int character);
// Alt+Enter (Full Screen), Ctrl+Ins (Copy), Shift+Ins (Paste), acting only
// while their item is in the menu bar and enabled; true when handled.
bool on_menu_key(HWND child, int virtual_key, bool alt);

}  // namespace shell
