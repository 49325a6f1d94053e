// The active window of each thread, the default window that console units
// use, the last-made-active window, the I/O-focus option, activation of a
// child in the frame, and closing the window of a unit.
#pragma once

#include <windows.h>

namespace shell {

inline constexpr int kSelectDefaultWindow = -1;

// Makes window `number` the calling thread's active window (1 on success,
// 0 otherwise, graphics status -1); kSelectDefaultWindow selects the
// default window, opening a new one when it is closed or kept after close.
int wgsetactive(int number);
// The active window of the calling thread; on the GUI thread the
// last-made-active window when one is set.
int wggetactive();
// The default window number (1024 until the default window is replaced).
int default_window();

int SetIOFOCUS(int number);
int ActivateChild(int number);
int CloseUnitWindow(int number, bool keep);

// Tracking of the MDI client's active child, kept by the child windows.
void note_active_child(HWND hwnd);
void forget_active_child(HWND hwnd);
HWND active_child();

}  // namespace shell
