// Mouse messages of child windows and of the full-screen window as events
// for the program: each runs the routine the program attached to its bit
// in that window and ends the waits for it. The services of
// mouse_services.h are implemented beside them.
#pragma once

#include <windows.h>

namespace shell {

// A mouse message that select mode did not take; true when a routine of
// the program took it (a click in the full-screen window then stays there).
bool on_mouse_message(HWND child, UINT msg, WPARAM wparam, LPARAM lparam, bool full_screen);

// The pointer over the child's client area: the program's (setmousecursor)
// while no selection is being made, else the standard arrow.
void set_window_pointer(HWND child);

}  // namespace shell
