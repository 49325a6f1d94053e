// FrameInit and ChildInit, in their fixed order. The program thread starts
// only after both ran, so the main program's first shell call always finds
// the frame shown, the menus built and the default window open.
#include "shell/startup/frame_init_win.h"

#include <cstring>
#include <string>

#include "shell/child/child_window_win.h"
#include "shell/child/full_screen_win.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/frame/frame_window_win.h"
#include "shell/frame/menu_bar_win.h"
#include "shell/frame/program_state_win.h"
#include "shell/frame/status_bar_win.h"
#include "shell/startup/program_hooks.h"
#include "shell/startup/shell_state_win.h"
#include "shell/startup/thread_registry_win.h"

namespace shell {
namespace {

bool double_byte_code_page() {
  const UINT cp = GetACP();
  return cp == 932 || cp == 936 || cp == 949 || cp == 950;
}

// Read through the frame's context, which shows on the same display: the
// screen's own context would be made for this one use, which costs
// milliseconds at start-up under Wine.
void read_display() {
  HWND frame = shell_state().frame;
  HDC dc = GetDC(frame);
  Display& d = shell_state().display;
  d.width = GetDeviceCaps(dc, HORZRES);
  d.height = GetDeviceCaps(dc, VERTRES);
  d.bits_per_pixel = GetDeviceCaps(dc, BITSPIXEL);
  d.planes = GetDeviceCaps(dc, PLANES);
  ReleaseDC(frame, dc);
  const int bits = d.bits_per_pixel * d.planes;
  long long colours = bits > 30 ? 0x7FFFFFFFLL : (1LL << bits);
  if (colours > 256) {
    colours = 256;
    d.bits_per_pixel = 8 / (d.planes > 0 ? d.planes : 1);
  }
  d.max_colors = static_cast<int>(colours);
}

// Moves the frame to the requested place and size, unless it already is
// there (it is created there): moving a window costs milliseconds under
// Wine even when nothing changes.
void place_frame(const FrameSizeRequest& req) {
  HWND frame = shell_state().frame;
  if (window_is_at(frame, req.x, req.y, req.width, req.height)) return;
  SetWindowPos(frame, nullptr, req.x, req.y, req.width, req.height, SWP_NOZORDER);
}

void show_frame(int show) {
  ShellState& s = shell_state();
  const bool maximised = GetProfileIntA(s.program_name.c_str(), "TESLMaximized", 0) != 0;
  const FrameSizeRequest& req = s.frame_size;
  if (maximised) {
    ShowWindow(s.frame, SW_SHOWMAXIMIZED);
  } else if (req.set) {
    switch (req.type) {
      case 1:
        ShowWindow(s.frame, SW_SHOWMINIMIZED);
        break;
      case 2:
        ShowWindow(s.frame, SW_SHOWMAXIMIZED);
        break;
      case 4:
        place_frame(req);
        ShowWindow(s.frame, SW_SHOWNORMAL);
        break;
      default:
        ShowWindow(s.frame, SW_SHOWNORMAL);
        break;
    }
  } else {
    ShowWindow(s.frame, show);
  }
  UpdateWindow(s.frame);
}

bool run_settings_hook() {
  ShellState& s = shell_state();
  s.in_startup_hooks.store(true);
  const bool ok = INITIALSETTINGS();
  s.in_startup_hooks.store(false);
  if (!ok) error_box(kErrorHookFailed, __FILE__, __LINE__, true);
  return ok;
}

}  // namespace

void GetFilnameBase(char* path) {
  const char* base = path;
  for (const char* p = path; *p != '\0'; ++p) {
    if (*p == '\\' || *p == '/' || *p == ':') base = p + 1;
  }
  std::string name(base);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  std::memmove(path, name.c_str(), name.size() + 1);
}

int FrameInit(const char* name, int, int, HINSTANCE instance, int show) {
  ShellState& s = shell_state();
  if (s.frame_initialised) {
    warning_box(6, __FILE__, __LINE__);
    return -1;
  }
  s.frame_initialised = true;
  s.instance = instance;
  s.double_byte = double_byte_code_page();

  std::string program(name);
  if (!program.empty())
    OemToCharBuffA(program.c_str(), program.data(), static_cast<DWORD>(program.size()));
  s.program_name = program.empty() ? "Tessel" : program;

  if (!register_frame_class() || !register_status_bar_class()) return -1;
  if (!build_minimal_menu_bar()) return -1;
  s.menu_bar = CreateMenu();
  if (s.menu_bar == nullptr) {
    error_box(5, __FILE__, __LINE__);
    return -1;
  }
  run_settings_hook();
  if (GetMenuItemCount(s.menu_bar) == 0) {
    DestroyMenu(s.menu_bar);
    s.menu_bar = nullptr;
  }
  if (create_frame_window(instance, s.program_name) == nullptr || s.mdi_client == nullptr) {
    if (s.frame != nullptr && s.mdi_client == nullptr) fatal_box(5, __FILE__, __LINE__);
    return -1;
  }
  install_menu_help_hook();
  s.status_bar = create_status_bar(s.frame);
  if (s.status_bar != nullptr) ShowWindow(s.status_bar, SW_SHOW);
  lay_out_frame();
  show_frame(show);
  SetStatusBar(kProgramStateRunning);
  ChildInit();
  return 0;
}

void ChildInit() {
  ShellState& s = shell_state();
  if (s.child_initialised) {
    warning_box(6, __FILE__, __LINE__);
    return;
  }
  s.child_initialised = true;
  s.cell_width = s.double_byte ? 16 : 8;
  s.cell_height = s.double_byte ? 32 : 16;
  register_child_class();
  if (s.menu_bar == nullptr) {
    s.menu_bar = CreateMenu();
    s.in_startup_hooks.store(true);
    const bool ok = INITIALMENU();
    s.in_startup_hooks.store(false);
    if (!ok) error_box(kErrorHookFailed, __FILE__, __LINE__);
  }
  read_display();
  GetThreadLocal();  // opens the default window, number 1024
  register_full_screen_class();
  install_menu_bar();
}

}  // namespace shell
