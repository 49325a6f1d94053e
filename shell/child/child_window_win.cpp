// The child window procedure and its message handlers: creation and
// destruction of the record, painting from the memory bitmap, scroll bars,
// sizing limits, focus and the caret, keys, and mouse messages for select
// mode and the program's mouse events.
#include "shell/child/child_window_win.h"

#include "shell/child/child_commands_win.h"
#include "shell/child/child_record_win.h"
#include "shell/child/child_view_win.h"
#include "shell/child/full_screen_win.h"
#include "shell/child/key_routing_win.h"
#include "shell/child/keyboard_input_win.h"
#include "shell/edit/marking_win.h"
#include "shell/edit/mouse_services_win.h"
#include "shell/edit/select_mode_win.h"
#include "shell/frame/frame_window_win.h"
#include "shell/startup/class_icon_win.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/window_table_win.h"

namespace shell {
namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                              WS_MAXIMIZEBOX | WS_HSCROLL | WS_VSCROLL | WS_CLIPSIBLINGS;

// The user closes a child only after its unit was closed with its contents
// kept, so the Close entry and the separator above it leave the system menu.
void remove_close_item(HWND hwnd) {
  HMENU menu = GetSystemMenu(hwnd, FALSE);
  if (menu == nullptr) return;
  const int count = GetMenuItemCount(menu);
  for (int i = count - 1; i >= 0; --i) {
    if (GetMenuItemID(menu, i) == SC_CLOSE) {
      DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
      if (i > 0 &&
          (GetMenuState(menu, static_cast<UINT>(i - 1), MF_BYPOSITION) & MF_SEPARATOR) != 0) {
        DeleteMenu(menu, static_cast<UINT>(i - 1), MF_BYPOSITION);
      }
      break;
    }
  }
}

LRESULT on_create(HWND hwnd, LPARAM lparam) {
  const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lparam);
  const auto* mdi = reinterpret_cast<const MDICREATESTRUCTA*>(cs->lpCreateParams);
  auto* r = new ChildRecord;
  r->hwnd = hwnd;
  r->window_number = static_cast<int>(mdi->lParam);
  r->title = cs->lpszName != nullptr ? cs->lpszName : "";
  r->window_dc = GetDC(hwnd);  // the class has its own context per window
  r->screen_dc = r->window_dc;
  r->target = hwnd;
  r->memory_dc.reset(r->window_dc);
  SetStretchBltMode(r->window_dc, COLORONCOLOR);
  SetStretchBltMode(r->memory_dc.get(), COLORONCOLOR);
  r->pointer = LoadCursor(nullptr, IDC_ARROW);
  SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(r));
  attach_slot(r->window_number, hwnd);
  remove_close_item(hwnd);
  return 0;
}

void on_destroy(HWND hwnd) {
  ChildRecord* r = child_record(hwnd);
  release_slot(hwnd);  // from here on no thread finds the record
  forget_active_child(hwnd);
  if (r == nullptr) return;
  end_input_on_destroy(*r);  // a read or key wait on the window ends now
  SetWindowLongPtrA(hwnd, 0, 0);
  end_full_screen_on_destroy(*r);
  {
    // A writer in progress finishes first; later ones find the record
    // closed. The record itself lives on while another thread holds it.
    Locked draw(r->drawing_lock);
    r->closed = true;
    release_select_mode(*r);
    ReleaseDC(hwnd, r->window_dc);
    r->window_dc = nullptr;
    r->screen_dc = nullptr;
  }
  release_record(r);  // the window's own hold
}

LRESULT on_close(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr || !r->kept_after_close) return 0;
  return DefMDIChildProcA(hwnd, msg, wparam, lparam);
}

LRESULT on_sys_command(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  ChildRecord* r = child_record(hwnd);
  const UINT command = static_cast<UINT>(wparam & 0xFFF0);
  if (r != nullptr) {
    if (command == SC_MAXIMIZE && maximise_within_screen(*r)) return 0;
    if (command == SC_CLOSE && (r->in_full_screen() || !r->kept_after_close)) return 0;
  }
  return DefMDIChildProcA(hwnd, msg, wparam, lparam);
}

// Drawing from another thread reaches the display when this thread next
// waits for messages. The first drawing after a quiet spell wakes it at
// once; while drawing goes on, the flush timer wakes it once per period, so
// a stream of output is shown at the display's pace rather than once per
// line, and the last of it within one period.
void on_flush_request(HWND hwnd) {
  ChildRecord* r = child_record(hwnd);
  if (r != nullptr) {
    r->drawn_since_flush.store(false);
    SetTimer(hwnd, kFlushTimer, kFlushIntervalMs, nullptr);
  }
  GdiFlush();
}

void on_flush_timer(HWND hwnd) {
  KillTimer(hwnd, kFlushTimer);
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr) return;
  // Cleared before the check, so that drawing after the check posts a new
  // request itself.
  r->flush_requested.store(false);
  if (r->drawn_since_flush.exchange(false) && !r->flush_requested.exchange(true)) {
    SetTimer(hwnd, kFlushTimer, kFlushIntervalMs, nullptr);
  }
  GdiFlush();
}

LRESULT CALLBACK child_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_CREATE:
      return on_create(hwnd, lparam);
    case WM_DESTROY:
      on_destroy(hwnd);
      break;
    case WM_PAINT:
      paint_child(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      if (frame_paint_deferred(hwnd)) return 0;
      break;
    case WM_SIZE:
      on_child_size(hwnd, wparam);
      break;
    case WM_MOVE:
      move_caret(hwnd);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      on_scroll_request(hwnd, msg == WM_HSCROLL, LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_SETFOCUS:
      on_set_focus(hwnd);
      return 0;
    case WM_KILLFOCUS:
      on_kill_focus(hwnd);
      return 0;
    case WM_MDIACTIVATE:
      on_mdi_activate(hwnd, reinterpret_cast<HWND>(lparam) == hwnd);
      break;
    case WM_CLOSE:
      return on_close(hwnd, msg, wparam, lparam);
    case WM_SYSCOMMAND:
      return on_sys_command(hwnd, msg, wparam, lparam);
    case WM_KEYDOWN:
      if (on_key_down(hwnd, static_cast<int>(wparam), false)) return 0;
      break;
    case WM_SYSKEYDOWN:
      if (on_sys_key_down(hwnd, static_cast<int>(wparam), false)) return 0;
      break;
    case WM_KEYUP:
      if (on_marker_key_up(hwnd, static_cast<int>(wparam))) return 0;
      break;
    case WM_CHAR:
      on_typed_character(hwnd, static_cast<int>(wparam), false);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MOUSEMOVE:
      if (!on_select_mouse(hwnd, msg, lparam)) on_mouse_message(hwnd, msg, wparam, lparam, false);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT) {
        set_window_pointer(hwnd);
        return TRUE;
      }
      break;
    case kMakeMarker:
      on_make_marker(hwnd);
      return 0;
    case WM_COMMAND:
      on_child_command(hwnd, LOWORD(wparam));
      return 0;
    case kRepaintRequest:
      InvalidateRect(hwnd, nullptr, FALSE);
      UpdateWindow(hwnd);
      return 0;
    case kUpdateScrollBars:
      update_scroll_bars(hwnd);
      return 0;
    case kUpdateCaret:
      move_caret(hwnd);
      return 0;
    case kFlushScreen:
      on_flush_request(hwnd);
      return 0;
    case WM_TIMER:
      if (wparam != kFlushTimer) break;
      on_flush_timer(hwnd);
      return 0;
    case kApplyShape:
      apply_configured_shape(hwnd, wparam != 0);
      return 0;
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
      realise_palette(hwnd);
      break;
    default:
      break;
  }
  return DefMDIChildProcA(hwnd, msg, wparam, lparam);
}

}  // namespace

void release_record(ChildRecord* r) {
  if (r == nullptr || r->holds.fetch_sub(1) != 1) return;
  if (r->memory_dc_default_bitmap != nullptr)
    SelectObject(r->memory_dc.get(), r->memory_dc_default_bitmap);
  if (r->palette != nullptr) DeleteObject(r->palette);
  delete r;
}

ChildRecord* child_record(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  return reinterpret_cast<ChildRecord*>(GetWindowLongPtrA(hwnd, 0));
}

std::string child_class_name() {
  return shell_state().program_name + "Graphic";
}

bool register_child_class() {
  static const std::string name = child_class_name();
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_OWNDC;
  wc.lpfnWndProc = child_proc;
  wc.cbWndExtra = sizeof(ChildRecord*);
  wc.hInstance = shell_state().instance;
  wc.hIcon = LoadIconA(shell_state().instance, "CHILDICON");
  wc.hIconSm = load_small_icon(shell_state().instance, "CHILDICON");
  wc.lpszClassName = name.c_str();
  return RegisterClassExA(&wc) != 0;
}

HWND create_child_window(const std::string& title, int number) {
  const std::string class_name = child_class_name();
  MDICREATESTRUCTA mcs = {};
  mcs.szClass = class_name.c_str();
  mcs.szTitle = title.c_str();
  mcs.hOwner = shell_state().instance;
  mcs.x = CW_USEDEFAULT;
  mcs.y = CW_USEDEFAULT;
  mcs.cx = CW_USEDEFAULT;
  mcs.cy = CW_USEDEFAULT;
  mcs.style = kChildStyle;
  mcs.lParam = number;
  lay_out_frame();  // the client area is the frame's less the status bar
  return reinterpret_cast<HWND>(
      SendMessageA(shell_state().mdi_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

void destroy_child_window(HWND hwnd) {
  SendMessageA(shell_state().mdi_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
}

}  // namespace shell
