// Process-wide state of the shell: the program name, the frame with its
// MDI client and status bar, the menu bars, the frame size requested before
// the frame existed, the threads, and the display values read at start-up.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

namespace shell {

inline constexpr int kProgramStateRunning = 0;
inline constexpr int kProgramStatePaused = 1;
inline constexpr int kProgramStateFinished = 2;

inline constexpr int kExitPrompt = 1;
inline constexpr int kExitClose = 2;
inline constexpr int kExitKeepWindows = 3;

inline constexpr int kMdiClientId = 1;
inline constexpr int kStatusBarId = 90;
inline constexpr int kFirstMdiChildId = 100;

// The frame size set by SETWSIZEQQ before the frame exists.
struct FrameSizeRequest {
  bool set = false;
  int type = 0;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
};

struct Display {
  int width = 0;
  int height = 0;
  int bits_per_pixel = 0;
  int planes = 1;
  int max_colors = 256;
};

struct ShellState {
  std::string program_name = "Tessel";
  HINSTANCE instance = nullptr;
  HWND frame = nullptr;
  HWND mdi_client = nullptr;
  HWND status_bar = nullptr;
  HMENU menu_bar = nullptr;          // the standard (or program's) menu bar
  HMENU minimal_menu_bar = nullptr;  // "&File" with "E&xit" (command 10)
  HMENU minimal_window_menu = nullptr;
  HMENU window_menu = nullptr;  // the menu that carries the window list
  FrameSizeRequest frame_size;
  std::atomic<int> exit_mode{kExitPrompt};
  std::atomic<int> program_state{kProgramStateRunning};
  std::atomic<int> end_code{0};            // the code the program ended with, if it ended
  std::atomic<bool> frame_closing{false};  // the frame is being destroyed
  DWORD process_id = 0;
  DWORD gui_thread_id = 0;
  DWORD program_thread_id = 0;
  bool frame_initialised = false;
  bool child_initialised = false;
  std::atomic<bool> in_startup_hooks{false};  // INITIALSETTINGS or INITIALMENU is running
  bool double_byte = false;
  int cell_width = 8;  // character cell for new windows
  int cell_height = 16;
  Display display;
  bool status_bar_shown = true;
};

ShellState& shell_state();

inline bool on_gui_thread() {
  return GetCurrentThreadId() == shell_state().gui_thread_id;
}

}  // namespace shell
