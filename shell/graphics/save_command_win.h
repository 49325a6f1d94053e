// File > Save...: the whole virtual screen of the active child written to a
// bitmap file chosen in the save dialog.
#pragma once

#include <windows.h>

namespace shell {

void save_command(HWND child);

}  // namespace shell
