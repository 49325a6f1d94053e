// The full-screen popup. While it is shown the child's drawing target is
// the popup, at offset 0, 0 and the popup's size; output invalidates its
// scaled rectangle there and painting stretches the whole bitmap. Keys
// typed in it are routed as in the child.
#include "shell/child/full_screen_win.h"

#include <string>

#include "shell/child/child_record_win.h"
#include "shell/child/key_routing_win.h"
#include "shell/edit/mouse_services_win.h"
#include "shell/startup/shell_state_win.h"

namespace shell {
namespace {

constexpr const char* kOwnerProperty = "bvrank.full_screen_child";

HWND child_of_popup(HWND popup) {
  return static_cast<HWND>(GetPropA(popup, kOwnerProperty));
}

void paint_popup(HWND popup) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(popup, &ps);
  ChildRecord* r = child_record(child_of_popup(popup));
  if (r != nullptr && r->bitmap) {
    RECT rc;
    GetClientRect(popup, &rc);
    r->drawing_lock.lock();
    HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    if (rc.right == r->screen_width && rc.bottom == r->screen_height) {
      BitBlt(dc, 0, 0, rc.right, rc.bottom, r->memory_dc.get(), 0, 0, SRCCOPY);
    } else {
      StretchBlt(dc, 0, 0, rc.right, rc.bottom, r->memory_dc.get(), 0, 0, r->screen_width,
                 r->screen_height, SRCCOPY);
    }
    SetCursor(old);
    GdiFlush();
    r->drawing_lock.unlock();
  }
  EndPaint(popup, &ps);
}

// Restores the child's own drawing target and shows the frame again.
void leave_full_screen(ChildRecord& r) {
  HWND popup = r.full_screen;
  {
    Locked draw(r.drawing_lock);
    r.full_screen = nullptr;
    r.full_screen_dc = nullptr;
    r.screen_dc = r.window_dc;
    r.target = r.hwnd;
    r.offset_x = r.fit ? 0 : r.scroll_x;
    r.offset_y = r.fit ? 0 : r.scroll_y;
    RECT rc;
    GetClientRect(r.hwnd, &rc);
    r.target_width = rc.right;
    r.target_height = rc.bottom;
  }
  RemovePropA(popup, kOwnerProperty);
  DestroyWindow(popup);
  HWND frame = shell_state().frame;
  if (!IsWindowVisible(frame)) ShowWindow(frame, SW_SHOWNORMAL);
  SetFocus(frame);
  InvalidateRect(r.hwnd, nullptr, FALSE);
}

void enter_full_screen(ChildRecord& r) {
  const std::string class_name = shell_state().program_name + "FullWnd";
  const int w = GetSystemMetrics(SM_CXSCREEN);
  const int h = GetSystemMetrics(SM_CYSCREEN);
  HWND popup = CreateWindowExA(0, class_name.c_str(), nullptr, WS_POPUP, 0, 0, w, h,
                               shell_state().frame, nullptr, shell_state().instance, nullptr);
  if (popup == nullptr) return;
  SetPropA(popup, kOwnerProperty, r.hwnd);
  {
    Locked draw(r.drawing_lock);
    r.full_screen = popup;
    r.full_screen_dc = GetDC(popup);
    r.screen_dc = r.full_screen_dc;
    r.target = popup;
    r.offset_x = 0;
    r.offset_y = 0;
    RECT rc;
    GetClientRect(popup, &rc);
    r.target_width = rc.right;
    r.target_height = rc.bottom;
    if (r.palette != nullptr) {
      SelectPalette(r.full_screen_dc, r.palette, FALSE);
      RealizePalette(r.full_screen_dc);
    }
  }
  ShowWindow(popup, SW_SHOW);
  SetFocus(popup);
}

LRESULT CALLBACK full_screen_proc(HWND popup, UINT msg, WPARAM wparam, LPARAM lparam) {
  ChildRecord* r = child_record(child_of_popup(popup));
  switch (msg) {
    case WM_PAINT:
      paint_popup(popup);
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_ESCAPE && r != nullptr) {
        leave_full_screen(*r);
        return 0;
      }
      if (r != nullptr && on_key_down(r->hwnd, static_cast<int>(wparam), true)) return 0;
      break;
    case WM_SYSKEYDOWN:
      if (wparam == VK_RETURN && r != nullptr) {
        leave_full_screen(*r);
        return 0;
      }
      if (r != nullptr && on_sys_key_down(r->hwnd, static_cast<int>(wparam), true)) return 0;
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      // A click that no routine of the program takes returns to the frame.
      if (r != nullptr && !on_mouse_message(r->hwnd, msg, wparam, lparam, true))
        leave_full_screen(*r);
      return 0;
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MOUSEMOVE:
      if (r != nullptr) on_mouse_message(r->hwnd, msg, wparam, lparam, true);
      return 0;
    case WM_CHAR:
      if (r == nullptr) {
        MessageBeep(0);
      } else {
        on_typed_character(r->hwnd, static_cast<int>(wparam), true);
      }
      return 0;
    case WM_CLOSE:
      if (r != nullptr) leave_full_screen(*r);
      PostMessageA(shell_state().frame, WM_CLOSE, 0, 0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(popup, msg, wparam, lparam);
}

}  // namespace

bool register_full_screen_class() {
  static const std::string name = shell_state().program_name + "FullWnd";
  WNDCLASSA wc = {};
  wc.style = CS_DBLCLKS | CS_OWNDC;
  wc.lpfnWndProc = full_screen_proc;
  wc.hInstance = shell_state().instance;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = name.c_str();
  return RegisterClassA(&wc) != 0;
}

void toggle_full_screen(HWND child) {
  ChildRecord* r = child_record(child);
  if (r == nullptr || !r->configured) return;
  if (r->in_full_screen()) {
    leave_full_screen(*r);
  } else {
    enter_full_screen(*r);
  }
}

void end_full_screen_on_destroy(ChildRecord& r) {
  if (!r.in_full_screen()) return;
  HWND popup = r.full_screen;
  r.full_screen = nullptr;
  RemovePropA(popup, kOwnerProperty);
  DestroyWindow(popup);
}

}  // namespace shell
