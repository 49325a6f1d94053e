// SETWSIZEQQ and GETWSIZEQQ for the frame and for unit windows. Before the
// frame exists a frame request is stored and the frame is created from it;
// unit windows cannot be sized while the start-up hooks run.
#include <windows.h>

#include "shell/child/child_record_win.h"
#include "shell/frame/status_bar_win.h"
#include "shell/frame/window_config_win.h"
#include "shell/frame/window_services.h"
#include "shell/graphics/graphics_status.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/unit_services.h"
#include "shell/units/window_table_win.h"

namespace shell {
namespace {

FrameMetrics frame_metrics() {
  FrameMetrics m;
  m.sizing_border_x = GetSystemMetrics(SM_CXSIZEFRAME);
  m.sizing_border_y = GetSystemMetrics(SM_CYSIZEFRAME);
  m.caption_height = GetSystemMetrics(SM_CYCAPTION);
  m.menu_height = GetSystemMetrics(SM_CYMENU);
  m.status_bar_height = shell_state().status_bar_shown ? status_bar_height() : 0;
  return m;
}

ChildMetrics child_metrics(const ChildRecord& r) {
  ChildMetrics m;
  m.cell_width = r.cell_width;
  m.cell_height = r.cell_height;
  m.caption_height = GetSystemMetrics(SM_CYCAPTION);
  m.min_window_height = GetSystemMetrics(SM_CYMIN);
  m.vscroll_width = GetSystemMetrics(SM_CXVSCROLL);
  m.hscroll_height = GetSystemMetrics(SM_CYHSCROLL);
  m.hthumb_width = GetSystemMetrics(SM_CXHTHUMB);
  m.vthumb_height = GetSystemMetrics(SM_CYVTHUMB);
  return m;
}

WindowRect outer_rect_in_parent(HWND hwnd) {
  RECT rc;
  GetWindowRect(hwnd, &rc);
  HWND parent = GetParent(hwnd);
  if (parent != nullptr) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
  return WindowRect{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

PixelSize client_size(HWND hwnd) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  return PixelSize{rc.right, rc.bottom};
}

PixelSize full_screen_client() {
  return PixelSize{GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
}

ShowState show_state(HWND hwnd) {
  if (IsIconic(hwnd)) return ShowState::kMinimized;
  if (IsZoomed(hwnd)) return ShowState::kMaximized;
  return ShowState::kNormal;
}

std::int32_t set_frame_size(const WideSizeRecord& w) {
  ShellState& s = shell_state();
  if (s.frame == nullptr) {
    s.frame_size.set = true;
    s.frame_size.type = w.type;
    if (w.type == kSizePlaced) {
      s.frame_size.x = w.x;
      s.frame_size.y = w.y;
      s.frame_size.width = w.width;
      s.frame_size.height = w.height;
    }
    return 0;
  }
  if (IsIconic(s.frame) || IsZoomed(s.frame)) ShowWindow(s.frame, SW_RESTORE);
  switch (w.type) {
    case kSizeMinimized:
      ShowWindow(s.frame, SW_MINIMIZE);
      return 0;
    case kSizeMaximized:
      ShowWindow(s.frame, SW_MAXIMIZE);
      return 0;
    case kSizeRestored:
      ShowWindow(s.frame, SW_SHOWNORMAL);
      return 0;
    case kSizePlaced: {
      const WindowRect p = frame_placement(w, outer_rect_in_parent(s.frame), frame_metrics());
      SetWindowPos(s.frame, nullptr, p.x, p.y, p.width, p.height, SWP_NOZORDER | SWP_NOACTIVATE);
      SendMessageA(s.mdi_client, WM_MDICASCADE, 0, 0);
      return 0;
    }
    default:
      set_graphics_status(kStatusInvalidParameter);
      return -1;
  }
}

// The record of a unit's window for the size services, configured; null
// when the request cannot be served.
ChildRecord* sizable_window(std::int32_t unit) {
  if (shell_state().in_startup_hooks.load()) return nullptr;
  ChildRecord* r = record_of(GETHANDLEQQ(unit));
  if (r == nullptr || r->kept_after_close) return nullptr;
  if (!r->configured) {
    if (GetCurrentThreadId() != shell_state().program_thread_id) return nullptr;
    ensure_configured(*r);
  }
  return r->configured ? r : nullptr;
}

std::int32_t set_child_size(ChildRecord& r, const WideSizeRecord& w) {
  HWND mdi = shell_state().mdi_client;
  switch (w.type) {
    case kSizeMinimized:
      ShowWindow(r.hwnd, SW_MINIMIZE);
      return 0;
    case kSizeMaximized:
      SendMessageA(mdi, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(r.hwnd), 0);
      return 0;
    case kSizeRestored:
      SendMessageA(mdi, WM_MDIRESTORE, reinterpret_cast<WPARAM>(r.hwnd), 0);
      return 0;
    case kSizePlaced: {
      if (IsIconic(r.hwnd) || IsZoomed(r.hwnd))
        SendMessageA(mdi, WM_MDIRESTORE, reinterpret_cast<WPARAM>(r.hwnd), 0);
      const WindowRect p = child_placement(w, outer_rect_in_parent(r.hwnd), child_metrics(r));
      SetWindowPos(r.hwnd, nullptr, p.x, p.y, p.width, p.height, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    default:
      set_graphics_status(kStatusInvalidParameter);
      return -1;
  }
}

WindowSizeRecord child_size(ChildRecord& r, bool maximum) {
  const ChildMetrics m = child_metrics(r);
  const WindowSizeRecord max = child_maximum_size(PixelSize{r.screen_width, r.screen_height},
                                                  client_size(shell_state().mdi_client), m);
  if (maximum) return max;
  POINT origin = {0, 0};
  ClientToScreen(r.hwnd, &origin);
  ScreenToClient(shell_state().mdi_client, &origin);
  return child_current_size(show_state(r.hwnd), outer_rect_in_parent(r.hwnd), origin.x, origin.y,
                            max, m);
}

}  // namespace
}  // namespace shell

using namespace shell;

std::int32_t SETWSIZEQQ(std::int32_t unit, const WindowSizeRecord& size) {
  const WideSizeRecord w = widen_size_record(size);
  if (unit == kFramePseudoUnit) return set_frame_size(w);
  ChildRecord* r = sizable_window(unit);
  if (r == nullptr) return -1;
  return set_child_size(*r, w);
}

std::int32_t GETWSIZEQQ(std::int32_t unit, std::int32_t request, WindowSizeRecord& size) {
  const SizeQuery query = size_query(unit, request);
  ShellState& s = shell_state();
  switch (query) {
    case SizeQuery::kInvalid:
      set_graphics_status(kStatusInvalidParameter);
      return -1;
    case SizeQuery::kFrameMaximum:
      size = frame_maximum_size(full_screen_client());
      return 0;
    case SizeQuery::kFrameCurrent:
      if (s.frame == nullptr) {
        const WindowRect stored{s.frame_size.x, s.frame_size.y, s.frame_size.width,
                                s.frame_size.height};
        size = frame_stored_size(s.frame_size.set ? s.frame_size.type : 0, stored,
                                 full_screen_client());
      } else {
        size = frame_current_size(show_state(s.frame), outer_rect_in_parent(s.frame),
                                  client_size(s.mdi_client), full_screen_client());
      }
      return 0;
    case SizeQuery::kWindowMaximum:
    case SizeQuery::kWindowCurrent: {
      ChildRecord* r = sizable_window(unit);
      if (r == nullptr) return -1;
      size = child_size(*r, query == SizeQuery::kWindowMaximum);
      return 0;
    }
  }
  return -1;
}
