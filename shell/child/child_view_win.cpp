// Painting, scrolling, sizing and the caret of a child window (GUI thread).
// The memory bitmap is the only source of pixels: painting copies it, the
// text buffer is never used for drawing.
#include "shell/child/child_view_win.h"

#include <algorithm>
#include <optional>

#include "shell/child/child_record_win.h"
#include "shell/child/child_view.h"
#include "shell/edit/marking_win.h"
#include "shell/edit/select_mode_win.h"
#include "shell/frame/frame_window_win.h"
#include "shell/frame/program_state_win.h"
#include "shell/graphics/screen_areas.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"

namespace shell {
namespace {

constexpr int kIconSize = 36;

void fill_black(HDC dc, const RECT& rc) {
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void paint_contents(ChildRecord& r, HDC dc, const RECT& update) {
  RECT client;
  GetClientRect(r.hwnd, &client);
  // The window's own context keeps the clip region of the last drawing;
  // painting covers the whole update region, so the clip goes and is
  // selected again before the next drawing.
  SelectClipRgn(dc, nullptr);
  note_clips_removed(r.graphics);
  if (r.iconic) {
    // Made when first shown: most windows are never minimised.
    if (!r.icon) r.icon = make_child_icon(dc);
    MemoryDc icon_dc(dc);
    Selected keep(icon_dc.get(), r.icon.get());
    StretchBlt(dc, 0, 0, client.right, client.bottom, icon_dc.get(), 0, 0, kIconSize, kIconSize,
               SRCCOPY);
    return;
  }
  if (!r.configured || !r.bitmap) {
    fill_black(dc, update);
    return;
  }
  if (r.fit) {
    HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    StretchBlt(dc, 0, 0, client.right, client.bottom, r.memory_dc.get(), 0, 0, r.screen_width,
               r.screen_height, SRCCOPY);
    SetCursor(old);
    return;
  }
  BitBlt(dc, update.left, update.top, update.right - update.left, update.bottom - update.top,
         r.memory_dc.get(), update.left + r.scroll_x, update.top + r.scroll_y, SRCCOPY);
  // Client area beyond the virtual screen (while the bars catch up).
  const int right = r.screen_width - r.scroll_x;
  const int bottom = r.screen_height - r.scroll_y;
  if (update.right > right)
    fill_black(dc,
               RECT{std::max<LONG>(right, update.left), update.top, update.right, update.bottom});
  if (update.bottom > bottom)
    fill_black(dc,
               RECT{update.left, std::max<LONG>(bottom, update.top), update.right, update.bottom});
  paint_highlight(r, dc, update);
}

// The outer size of a child whose client area is client_w x client_h
// without scroll bars.
SIZE outer_size_for_client(HWND hwnd, int client_w, int client_h) {
  RECT rc = {0, 0, client_w, client_h};
  const DWORD style =
      static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)) & ~(WS_HSCROLL | WS_VSCROLL);
  AdjustWindowRectEx(&rc, style, FALSE, static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)));
  return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void resize_to_screen(ChildRecord& r) {
  RECT client;
  GetClientRect(r.hwnd, &client);
  const int w = std::min<int>(client.right, r.screen_width);
  const int h = std::min<int>(client.bottom, r.screen_height);
  const SIZE outer = outer_size_for_client(r.hwnd, w, h);
  SetWindowPos(r.hwnd, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool larger_than_screen(const ChildRecord& r) {
  RECT client;
  GetClientRect(r.hwnd, &client);
  return r.configured && (client.right > r.screen_width || client.bottom > r.screen_height);
}

CaretBox caret_box(const ChildRecord& r) {
  CaretGeometry g;
  g.absolute_column = r.text_window.left + r.text_position.column - 1;
  g.absolute_row = r.text_window.top + r.text_position.row - 1;
  g.cell_width = r.cell_width;
  g.cell_height = r.cell_height;
  g.scroll_x = r.scroll_x;
  g.scroll_y = r.scroll_y;
  g.fit = r.fit;
  g.view_width = r.view_width;
  g.view_height = r.view_height;
  g.screen_width = r.screen_width;
  g.screen_height = r.screen_height;
  return caret_box(g);
}

void scroll_to(ChildRecord& r, bool horizontal, int position) {
  int& current = horizontal ? r.scroll_x : r.scroll_y;
  const int range = horizontal ? r.scroll_range_x : r.scroll_range_y;
  const int target = clamp_scroll(position, range);
  if (target == current) return;
  const int delta = current - target;
  {
    // The scroll moves pixels of the window's own context: under the lock.
    Locked draw(r.drawing_lock);
    current = target;
    if (r.target == r.hwnd) {
      r.offset_x = r.scroll_x;
      r.offset_y = r.scroll_y;
    }
    ScrollWindowEx(r.hwnd, horizontal ? delta : 0, horizontal ? 0 : delta, nullptr, nullptr,
                   nullptr, nullptr, SW_INVALIDATE);
    UpdateWindow(r.hwnd);
  }
  SetScrollPos(r.hwnd, horizontal ? SB_HORZ : SB_VERT, target, TRUE);
  move_caret(r.hwnd);
}

// Marks a scroll bar update in progress for its whole length. Each bar
// shown, hidden or sized during it would paint the window's frame
// (milliseconds each under Wine): the frame is painted once, at the end.
class ScrollBarUpdate {
 public:
  explicit ScrollBarUpdate(ChildRecord& r) : r_(r) { r_.updating_scroll_bars = true; }
  ~ScrollBarUpdate() {
    r_.updating_scroll_bars = false;
    RedrawWindow(r_.hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
  }
  ScrollBarUpdate(const ScrollBarUpdate&) = delete;
  ScrollBarUpdate& operator=(const ScrollBarUpdate&) = delete;

 private:
  ChildRecord& r_;
};

// When both bars are to appear, or both to go, one call changes the
// window's frame once instead of once per bar (each change costs a
// re-layout and a repaint of the frame). False when there was nothing to
// change together; the ranges are then set bar by bar.
bool show_or_hide_both_bars(HWND hwnd, bool want_x, bool want_y) {
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  const bool has_x = (style & WS_HSCROLL) != 0;
  const bool has_y = (style & WS_VSCROLL) != 0;
  if (want_x != want_y || has_x == want_x || has_y == want_y) return false;
  ShowScrollBar(hwnd, SB_BOTH, want_x ? TRUE : FALSE);
  return true;
}

}  // namespace

void paint_child(HWND hwnd) {
  ChildRecord* r = child_record(hwnd);
  // The window's own context is also the program thread's screen context:
  // BeginPaint to EndPaint runs under the drawing lock as all drawing does.
  // No thread waits for this one while it holds the lock (a paused program
  // thread stops outside any drawing), so it is taken in every state.
  const bool lock = r != nullptr;
  if (lock) r->drawing_lock.lock();
  // A region that was waiting for this repaint while the text scrolled
  // had its stale pixels moved elsewhere: repaint everything then.
  if (r != nullptr && r->scrolled_since_paint.exchange(false)) InvalidateRect(hwnd, nullptr, FALSE);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (r != nullptr && !IsRectEmpty(&ps.rcPaint)) paint_contents(*r, dc, ps.rcPaint);
  GdiFlush();
  EndPaint(hwnd, &ps);
  if (lock) r->drawing_lock.unlock();
}

bool frame_paint_deferred(HWND hwnd) {
  const ChildRecord* r = child_record(hwnd);
  return r != nullptr && r->updating_scroll_bars;
}

void update_scroll_bars(HWND hwnd) {
  ChildRecord* r = child_record(hwnd);
  // Showing or hiding a bar sizes the window, which asks for this again:
  // the call in progress settles the ranges against the final size anyway.
  if (r == nullptr || r->updating_scroll_bars) return;
  ScrollBarUpdate update(*r);
  // The program thread draws with the scroll position: it changes only
  // under the drawing lock.
  Locked draw(r->drawing_lock);
  const bool hide = r->fit || r->iconic || IsIconic(shell_state().frame) || !r->configured;
  // Showing or hiding one bar changes the client area: settle the ranges
  // first, then clamp the positions once against the final ranges.
  int range_x = -1, range_y = -1;
  for (int pass = 0; pass < 4; ++pass) {
    RECT client;
    GetClientRect(hwnd, &client);
    r->view_width = client.right;
    r->view_height = client.bottom;
    const int x = hide ? 0 : scroll_range(r->screen_width, r->view_width);
    const int y = hide ? 0 : scroll_range(r->screen_height, r->view_height);
    if (x == range_x && y == range_y) break;
    if (pass == 0 && show_or_hide_both_bars(hwnd, x > 0, y > 0)) continue;
    range_x = x;
    range_y = y;
    SetScrollRange(hwnd, SB_HORZ, 0, range_x, FALSE);
    SetScrollRange(hwnd, SB_VERT, 0, range_y, FALSE);
  }
  r->scroll_range_x = range_x;
  r->scroll_range_y = range_y;
  // Output in fit mode scales its rectangles to the target's size.
  if (r->target == hwnd) {
    r->target_width = r->view_width;
    r->target_height = r->view_height;
  }
  // With the bars hidden (fit mode, minimised) the 1:1 position is kept for
  // the return to the 1:1 view.
  if (!hide) {
    r->scroll_x = clamp_scroll(r->scroll_x, range_x);
    r->scroll_y = clamp_scroll(r->scroll_y, range_y);
  }
  if (r->target == hwnd && !r->fit) {
    r->offset_x = r->scroll_x;
    r->offset_y = r->scroll_y;
  }
  SetScrollPos(hwnd, SB_HORZ, hide ? 0 : r->scroll_x, FALSE);
  SetScrollPos(hwnd, SB_VERT, hide ? 0 : r->scroll_y, FALSE);
}

void on_child_size(HWND hwnd, WPARAM size_type) {
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr) return;
  r->iconic = size_type == SIZE_MINIMIZED;
  if (size_type == SIZE_MAXIMIZED && larger_than_screen(*r)) {
    // Maximised although the virtual screen is smaller: restore it.
    PostMessageA(shell_state().mdi_client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(hwnd), 0);
  } else if (size_type == SIZE_RESTORED && larger_than_screen(*r)) {
    resize_to_screen(*r);
  }
  update_scroll_bars(hwnd);
  move_caret(hwnd);
}

void on_scroll_request(HWND hwnd, bool horizontal, int request, int thumb) {
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr || r->fit) return;
  const int current = horizontal ? r->scroll_x : r->scroll_y;
  const int line = horizontal ? r->cell_width : r->cell_height;
  const int page = horizontal ? r->view_width : r->view_height;
  const int range = horizontal ? r->scroll_range_x : r->scroll_range_y;
  int target = current;
  switch (request) {
    case SB_LINEUP:
      target = current - line;
      break;
    case SB_LINEDOWN:
      target = current + line;
      break;
    case SB_PAGEUP:
      target = current - page;
      break;
    case SB_PAGEDOWN:
      target = current + page;
      break;
    case SB_THUMBPOSITION:
      target = thumb;
      break;
    case SB_TOP:
      target = 0;
      break;
    case SB_BOTTOM:
      target = range;
      break;
    default:
      return;
  }
  scroll_to(*r, horizontal, target);
}

bool on_scroll_key(HWND hwnd, int key) {
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr || r->fit) return false;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  switch (key) {
    case VK_LEFT:
      on_scroll_request(hwnd, true, SB_LINEUP, 0);
      return true;
    case VK_RIGHT:
      on_scroll_request(hwnd, true, SB_LINEDOWN, 0);
      return true;
    case VK_UP:
      on_scroll_request(hwnd, false, SB_LINEUP, 0);
      return true;
    case VK_DOWN:
      on_scroll_request(hwnd, false, SB_LINEDOWN, 0);
      return true;
    case VK_PRIOR:
      on_scroll_request(hwnd, ctrl, SB_PAGEUP, 0);
      return true;
    case VK_NEXT:
      on_scroll_request(hwnd, ctrl, SB_PAGEDOWN, 0);
      return true;
    case VK_HOME:
      on_scroll_request(hwnd, true, SB_TOP, 0);
      if (ctrl) on_scroll_request(hwnd, false, SB_TOP, 0);
      return true;
    case VK_END:
      on_scroll_request(hwnd, true, SB_BOTTOM, 0);
      if (ctrl) on_scroll_request(hwnd, false, SB_BOTTOM, 0);
      return true;
    default:
      return false;
  }
}

void move_caret(HWND hwnd) {
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr) return;
  if (r->selection.active()) {
    place_marker_caret(*r);
    return;
  }
  const bool wanted = r->focus && r->cursor_on == 1 && r->configured &&
                      (r->cursor_shape & 0xFF) >= ((r->cursor_shape >> 8) & 0xFF);
  if (!wanted) {
    if (r->caret_made) {
      DestroyCaret();
      r->caret_made = false;
    }
    return;
  }
  const CaretBox box = caret_box(*r);
  if (!r->caret_made) {
    CreateCaret(hwnd, nullptr, box.width, box.height);
    r->caret_made = true;
    ShowCaret(hwnd);
  }
  SetCaretPos(box.x, box.y);
}

void on_set_focus(HWND hwnd) {
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr) return;
  if (r->in_full_screen()) {
    SetFocus(r->full_screen);
    return;
  }
  r->focus = true;
  move_caret(hwnd);
}

void on_kill_focus(HWND hwnd) {
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr) return;
  end_mouse_drag(*r);
  if (r->caret_made) {
    DestroyCaret();
    r->caret_made = false;
  }
  r->focus = false;
}

void on_mdi_activate(HWND hwnd, bool activated) {
  note_active_child(activated ? hwnd : nullptr);
  if (activated) {
    show_standard_menu_bar();
    realise_palette(hwnd);
  } else {
    show_minimal_menu_bar();
  }
  update_menu_checks(hwnd);
}

void toggle_size_to_fit(HWND hwnd) {
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr) return;
  {
    Locked draw(r->drawing_lock);
    r->fit = !r->fit;
    r->offset_x = r->fit ? 0 : r->scroll_x;
    r->offset_y = r->fit ? 0 : r->scroll_y;
  }
  update_scroll_bars(hwnd);
  if (r->caret_made) {
    DestroyCaret();
    r->caret_made = false;
  }
  move_caret(hwnd);
  InvalidateRect(hwnd, nullptr, FALSE);
  update_menu_checks(hwnd);
}

bool maximise_within_screen(ChildRecord& r) {
  if (!r.configured) return false;
  RECT client;
  GetClientRect(shell_state().mdi_client, &client);
  if (r.screen_width >= client.right && r.screen_height >= client.bottom) return false;
  if (IsIconic(r.hwnd)) ShowWindow(r.hwnd, SW_RESTORE);
  const SIZE outer = outer_size_for_client(r.hwnd, std::min<int>(r.screen_width, client.right),
                                           std::min<int>(r.screen_height, client.bottom));
  SetWindowPos(r.hwnd, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER);
  return true;
}

void apply_configured_shape(HWND hwnd, bool first_time) {
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr) return;
  if (first_time) {
    HWND active =
        reinterpret_cast<HWND>(SendMessageA(shell_state().mdi_client, WM_MDIGETACTIVE, 0, 0));
    if (active == nullptr || !IsWindowVisible(active)) {
      ShowWindow(hwnd, SW_SHOW);
      SendMessageA(shell_state().mdi_client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
    }
    SetFocus(hwnd);
  }
  RECT client;
  GetClientRect(hwnd, &client);
  if (r->screen_width < client.right || r->screen_height < client.bottom) {
    if (IsZoomed(hwnd))
      SendMessageA(shell_state().mdi_client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(hwnd), 0);
    resize_to_screen(*r);
  }
  ShowWindow(hwnd, SW_SHOW);
  refresh_window_menu();
  update_scroll_bars(hwnd);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void realise_palette(HWND hwnd) {
  ChildRecord* r = child_record(hwnd);
  if (r == nullptr || r->palette == nullptr) return;
  Locked draw(r->drawing_lock);
  SelectPalette(r->screen_dc, r->palette, FALSE);
  RealizePalette(r->screen_dc);
}

Bitmap make_child_icon(HDC compatible_with) {
  Bitmap icon(CreateCompatibleBitmap(compatible_with, kIconSize, kIconSize));
  MemoryDc dc(compatible_with);
  Selected keep(dc.get(), icon.get());
  RECT all = {0, 0, kIconSize, kIconSize};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RECT screen = {3, 5, kIconSize - 3, kIconSize - 9};
  FillRect(dc.get(), &screen, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  for (int y = 9; y < kIconSize - 12; y += 4) {
    RECT line = {7, y, kIconSize - 7 - (y % 8), y + 2};
    FillRect(dc.get(), &line, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  }
  return icon;
}

}  // namespace shell
