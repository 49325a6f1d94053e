// The clipboard: Copy puts a text selection on it as CF_TEXT and a graphics
// selection as CF_BITMAP with CF_PALETTE, then ends select mode; Paste
// takes its CF_TEXT as keyboard input for the program's reads; Clear Paste
// drops what is left of that.
#pragma once

#include <windows.h>

namespace shell {

void copy_command(HWND child);
void paste_command();
void clear_paste_command();

}  // namespace shell
