// Shell initialisation on the GUI thread: the program name, the window
// classes, the start-up hook, the frame with its MDI client and status bar,
// and the child-window side with the default window.
#pragma once

#include <windows.h>

namespace shell {

// Reduces a full path in place to its base name (no drive, directory or extension).
void GetFilnameBase(char* path);

// 0 on success, -1 when the shell cannot start (no window stays).
int FrameInit(const char* name, int unused_a, int unused_b, HINSTANCE instance, int show);
void ChildInit();

}  // namespace shell
