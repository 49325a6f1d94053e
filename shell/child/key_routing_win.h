// Keys typed in a child window or in its full-screen window, on the GUI
// thread: each goes to the shell (Exit, Pause, Resume, Copy, Paste, Full
// Screen), to a waiting read or key wait, to the view, or ends in the beep.
#pragma once

#include <windows.h>

namespace shell {

// A character (WM_CHAR), or a key code handled as one.
void on_typed_character(HWND child, int code, bool full_screen);
// A key pressed (WM_KEYDOWN); true when it was taken.
bool on_key_down(HWND child, int virtual_key, bool full_screen);
// A system key (WM_SYSKEYDOWN): Alt+Enter, and F10 with or without Alt;
// true when it was taken.
bool on_sys_key_down(HWND child, int virtual_key, bool full_screen);

}  // namespace shell
