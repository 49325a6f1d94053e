// Active windows. The default window is chosen under the default-window
// lock, which wggetactive also passes through so that it never sees a
// default window being replaced.
#include "shell/units/active_window_win.h"

#include <atomic>
#include <mutex>
#include <string>

#include "runtime/pause_gate.h"
#include "shell/child/child_record_win.h"
#include "shell/child/child_window_win.h"
#include "shell/child/full_screen_win.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/graphics/graphics_status.h"
#include "shell/startup/shell_state_win.h"
#include "shell/startup/thread_registry_win.h"
#include "shell/units/window_table_win.h"

namespace shell {
namespace {

std::recursive_mutex g_default_lock;
std::atomic<int> g_default_window{kFirstWindowNumber};
std::atomic<int> g_last_made_active{kNoWindow};
std::atomic<HWND> g_active_child{nullptr};

bool usable(int number) {
  ChildRecord* r = record_of(number);
  return r != nullptr && !r->kept_after_close;
}

void make_active(int number) {
  if (ThreadRecord* t = GetThreadLocal()) t->active_window = number;
  g_last_made_active.store(number);
}

}  // namespace

int default_window() {
  return g_default_window.load();
}

int wgsetactive(int number) {
  rt::PausePoint pause_point;
  if (number == kSelectDefaultWindow) {
    for (;;) {
      int stale = kNoWindow;
      {
        std::lock_guard<std::recursive_mutex> lock(g_default_lock);
        stale = g_default_window.load();
        if (usable(stale)) {
          make_active(stale);
          return 1;
        }
      }
      // The window is made by the GUI thread, which may itself be waiting
      // for the default-window lock: it is opened without the lock held.
      const int opened = wgopen(nullptr);
      if (opened == kNoWindow) return 0;
      std::lock_guard<std::recursive_mutex> lock(g_default_lock);
      const int now = g_default_window.load();
      if (now == stale || now == opened || !usable(now)) {
        g_default_window.store(opened);
        make_active(opened);
        return 1;
      }
      // Another thread replaced the default window meanwhile: use that one.
      destroy_child_window(window_of(opened));
    }
  }
  if (!window_number_in_range(number) || !usable(number)) {
    set_graphics_status(kStatusError);
    return 0;
  }
  make_active(number);
  return 1;
}

int wggetactive() {
  rt::PausePoint pause_point;
  { std::lock_guard<std::recursive_mutex> lock(g_default_lock); }
  if (on_gui_thread()) {
    const int last = g_last_made_active.load();
    if (last != kNoWindow) return last;
  }
  ThreadRecord* t = GetThreadLocal();
  return t != nullptr ? t->active_window : kNoWindow;
}

int SetIOFOCUS(int number) {
  HWND hwnd = window_of(number);
  if (hwnd == nullptr) return 0;
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr) {
    MessageBoxA(nullptr, "InvalidHandle", "ERROR", MB_OK | MB_TASKMODAL);
    return 0;
  }
  r->iofocus = true;
  g_last_made_active.store(number);
  return 1;
}

int ActivateChild(int number) {
  HWND hwnd = window_of(number);
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr || r->kept_after_close) return -1;
  if (g_active_child.load() != hwnd) {
    SendMessageA(shell_state().mdi_client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
  }
  return 0;
}

int CloseUnitWindow(int number, bool keep) {
  HWND hwnd = window_of(number);
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr) {
    set_graphics_status(kStatusError);
    return -1;
  }
  if (r->iofocus && g_last_made_active.load() == number) g_last_made_active.store(kNoWindow);
  if (r->in_full_screen()) SendMessageA(r->full_screen, WM_SYSKEYDOWN, VK_RETURN, 0);
  if (keep) {
    HMENU system_menu = GetSystemMenu(hwnd, FALSE);
    AppendMenuA(system_menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(system_menu, MF_STRING, SC_CLOSE, "&Close\tCtrl+F4");
    r->title += "-Closed";
    SetWindowTextA(hwnd, r->title.c_str());
    r->kept_after_close = true;
  } else {
    destroy_child_window(hwnd);
  }
  ThreadRecord* t = GetThreadLocal();
  if (t != nullptr && t->active_window == number) wgsetactive(kSelectDefaultWindow);
  return 0;
}

void note_active_child(HWND hwnd) {
  g_active_child.store(hwnd);
}

void forget_active_child(HWND hwnd) {
  HWND expected = hwnd;
  g_active_child.compare_exchange_strong(expected, nullptr);
}

HWND active_child() {
  return g_active_child.load();
}

}  // namespace shell
