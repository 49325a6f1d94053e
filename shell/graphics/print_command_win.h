// File > Print...: the whole virtual screen of the active child printed as
// one page, scaled to the printable width, on a printer chosen in the
// print-setup dialog.
#pragma once

#include <windows.h>

namespace shell {

void print_command(HWND child);

}  // namespace shell
