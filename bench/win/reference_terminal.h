// The reference for the console throughput benchmark: a plain top-level
// window that draws lines as a minimal terminal does (memory bitmap plus
// window, pixel scroll at the bottom row), without any of the shell's
// run-time, text buffer or window services.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace winbench {

// The virtual screen the reference copies from the shell's window, so both
// draw the same font into the same number of rows.
struct TerminalGeometry {
  int width = 0, height = 0;            // bitmap and client area, pixels
  int cell_width = 0, cell_height = 0;  // one character cell
  int rows = 0;                         // text rows on the screen
  int view_width = 0, view_height = 0;  // the window's client area; 0: the bitmap's size
  LOGFONTA font = {};
};

enum class ReferenceThreads {
  // The window and its message loop on a thread of their own, the drawing
  // on the calling thread: the shell's arrangement.
  kWindowThread,
  // Window, drawing and message loop on one thread, serving the messages
  // after every line.
  kSingleThread,
};

// Opens the window, draws every line of `lines` (each on a new line,
// scrolling at the bottom) and closes the window; the seconds the drawing
// took, or a negative value when the window could not be made.
double run_reference_terminal(const TerminalGeometry& geometry,
                              const std::vector<std::string>& lines, ReferenceThreads threads);

}  // namespace winbench
