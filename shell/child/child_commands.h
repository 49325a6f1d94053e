// Menu commands carried out for the active child window: the standard
// commands and the program's user items, which run on the GUI thread.
#pragma once

#include <windows.h>

namespace shell {

void on_child_command(HWND child, int command);

}  // namespace shell
