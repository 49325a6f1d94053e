// Mouse and key marking and the highlight. The highlight is inverted with
// the not-XOR mix, so drawing the same rectangles again takes it off; while
// `selection.highlight` is set, the screen shows exactly the rectangles of
// the selection at the current scroll position. A scroll therefore takes
// the highlight off first and puts it back afterwards.
#include "shell/edit/marking_win.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "shell/child/child_record_win.h"
#include "shell/child/child_view_win.h"
#include "shell/edit/highlight.h"
#include "shell/edit/select_mode_win.h"
#include "shell/edit/selection.h"
#include "shell/frame/menu_bar_win.h"
#include "shell/graphics/palette_win.h"
#include "shell/startup/shell_state_win.h"

namespace shell {
namespace {

// Each pixel becomes the inverse of (brush XOR screen).
constexpr DWORD kNotXorBrush = 0x00A50065;
// Auto-scroll takes one step per pause while the pointer stays beyond an edge.
constexpr DWORD kAutoScrollPauseMs = 30;

KeyRepeat g_repeat;

bool drawable(const ChildRecord& r) {
  return r.configured && !r.iconic && !r.fit && !r.in_full_screen();
}

// The background colour, or the text colour on a white background.
COLORREF highlight_colour(const ChildRecord& r) {
  const COLORREF background = colorref(r, r.graphics.background_color);
  return background == RGB(255, 255, 255) ? colorref(r, r.graphics.text_color) : background;
}

void invert(const ChildRecord& r, HDC dc) {
  Brush brush(CreateSolidBrush(highlight_colour(r)));
  Selected keep(dc, brush.get());
  for (const ClientRect& rc : highlight_rects(r.selection, select_view(r)))
    PatBlt(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, kNotXorBrush);
}

// Inverts the selection's rectangles on the window's own context, under
// the drawing lock as all drawing there (a paused program thread stops
// outside any drawing, so the lock is free to take in every state).
void invert_on_screen(ChildRecord& r) {
  if (!drawable(r)) return;
  Locked draw(r.drawing_lock);
  SelectClipRgn(r.window_dc, nullptr);
  invert(r, r.window_dc);
  GdiFlush();
}

// Runs `scroll` with the highlight taken off the screen meanwhile.
void scroll_keeping_highlight(ChildRecord& r, const std::function<void()>& scroll) {
  const bool shown = r.selection.highlight;
  hide_highlight(r);
  scroll();
  r.selection.highlight = shown;
  if (shown) invert_on_screen(r);
}

bool looks_alike(const Selection& a, const Selection& b) {
  if (a.highlight != b.highlight) return false;
  return !a.highlight || (a.kind == b.kind && a.anchor == b.anchor && a.end == b.end);
}

void press_at(ChildRecord& r, int x, int y) {
  Selection next = r.selection;
  const bool first = press(next, press_point(next.kind, x, y, select_view(r)));
  change_selection(r, next);
  if (first) show_selecting_caption(r);
  place_marker_caret(r);  // no marker any more
  SetCapture(r.hwnd);
}

void drag_at(ChildRecord& r, int x, int y) {
  for (;;) {
    if (r.selection.drag != DragState::kHeld) return;
    // Beyond an edge the window scrolls one step and the point stays on it.
    const EdgeStep step = edge_step(x, y, r.view_width, r.view_height);
    const int scroll_x = r.scroll_x, scroll_y = r.scroll_y;
    if (step.scrolls()) {
      scroll_keeping_highlight(r, [&r, &step] {
        if (step.dx != 0) on_scroll_request(r.hwnd, true, step.dx < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        if (step.dy != 0)
          on_scroll_request(r.hwnd, false, step.dy < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
      });
    }
    Selection next = r.selection;
    drag_to(next, drag_point(next.kind, step.x, step.y, select_view(r)));
    change_selection(r, next);
    const bool scrolled = r.scroll_x != scroll_x || r.scroll_y != scroll_y;
    MSG waiting;
    if (!scrolled || PeekMessageA(&waiting, r.hwnd, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE))
      return;
    Sleep(kAutoScrollPauseMs);
  }
}

void release_at(ChildRecord& r, int x, int y) {
  if (r.selection.drag != DragState::kHeld) return;
  Selection next = r.selection;
  const bool inside = x >= 0 && y >= 0 && x < r.view_width && y < r.view_height;
  const SelectPoint clamped =
      drag_point(next.kind, std::clamp(x, 0, std::max(r.view_width - 1, 0)),
                 std::clamp(y, 0, std::max(r.view_height - 1, 0)), select_view(r));
  release(next, inside ? nullptr : &clamped);
  if (GetCapture() == r.hwnd) ReleaseCapture();
  change_selection(r, next);
}

bool marker_key(int vk, MarkerKey& key) {
  switch (vk) {
    case VK_PRIOR:
      key = MarkerKey::kPageUp;
      return true;
    case VK_NEXT:
      key = MarkerKey::kPageDown;
      return true;
    case VK_HOME:
      key = MarkerKey::kHome;
      return true;
    case VK_END:
      key = MarkerKey::kEnd;
      return true;
    case VK_LEFT:
      key = MarkerKey::kLeft;
      return true;
    case VK_RIGHT:
      key = MarkerKey::kRight;
      return true;
    case VK_UP:
      key = MarkerKey::kUp;
      return true;
    case VK_DOWN:
      key = MarkerKey::kDown;
      return true;
    default:
      return false;
  }
}

// The scroll position (one axis) that shows the unit at `at`.
int showing(int at, int unit, int scroll, int view) {
  if (at < scroll) return at;
  if (at + unit > scroll + view) return at + unit - view;
  return scroll;
}

void scroll_to_end(ChildRecord& r) {
  const bool text = r.selection.kind != SelectKind::kGraphics;
  const int w = text ? r.cell_width : 1, h = text ? r.cell_height : 1;
  const int x = showing(r.selection.end.x * w, w, r.scroll_x, r.view_width);
  const int y = showing(r.selection.end.y * h, h, r.scroll_y, r.view_height);
  if (x == r.scroll_x && y == r.scroll_y) return;
  scroll_keeping_highlight(r, [&r, x, y] {
    on_scroll_request(r.hwnd, true, SB_THUMBPOSITION, x);
    on_scroll_request(r.hwnd, false, SB_THUMBPOSITION, y);
  });
}

}  // namespace

void change_selection(ChildRecord& r, const Selection& next) {
  const bool copy_changed = r.selection.copy_enabled != next.copy_enabled;
  if (looks_alike(r.selection, next)) {
    r.selection = next;
  } else {
    hide_highlight(r);
    r.selection = next;
    if (next.highlight) invert_on_screen(r);
  }
  if (copy_changed) update_menu_states(nullptr);
}

void hide_highlight(ChildRecord& r) {
  if (!r.selection.highlight) return;
  invert_on_screen(r);
  r.selection.highlight = false;
}

void paint_highlight(ChildRecord& r, HDC dc, const RECT& update) {
  if (!r.selection.highlight || !drawable(r)) return;
  // Only the part just painted lost its highlight.
  IntersectClipRect(dc, update.left, update.top, update.right, update.bottom);
  invert(r, dc);
  SelectClipRgn(dc, nullptr);
}

bool on_select_mouse(HWND child, UINT msg, LPARAM lparam) {
  ChildRecord* r = child_record(child);
  if (r == nullptr || !r->selection.active()) return false;
  if (msg != WM_LBUTTONDOWN && msg != WM_MOUSEMOVE && msg != WM_LBUTTONUP) return false;
  if (r->selection.select_all || r->fit) return true;
  const int x = static_cast<short>(LOWORD(lparam));
  const int y = static_cast<short>(HIWORD(lparam));
  if (msg == WM_LBUTTONDOWN) press_at(*r, x, y);
  if (msg == WM_MOUSEMOVE) drag_at(*r, x, y);
  if (msg == WM_LBUTTONUP) release_at(*r, x, y);
  return true;
}

void end_mouse_drag(ChildRecord& r) {
  if (r.selection.drag != DragState::kHeld) return;
  Selection next = r.selection;
  release(next, nullptr);
  if (GetCapture() == r.hwnd) ReleaseCapture();
  change_selection(r, next);
}

bool on_marker_key_down(HWND child, int vk) {
  ChildRecord* r = child_record(child);
  if (r == nullptr || !r->selection.active()) return false;
  if (vk == VK_SHIFT) {
    shift_down(r->selection);
    return true;
  }
  MarkerKey key;
  if (!marker_key(vk, key)) return false;
  const int repeat = g_repeat.key_down();
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  Selection next = r->selection;
  mark_with_key(next, moved_end(next.end, key, ctrl, repeat, next.kind, select_view(*r)));
  change_selection(*r, next);
  scroll_to_end(*r);
  place_marker_caret(*r);
  return true;
}

bool on_marker_key_up(HWND child, int vk) {
  g_repeat.key_up();
  ChildRecord* r = child_record(child);
  if (r == nullptr || !r->selection.active()) return false;
  if (vk == VK_SHIFT) {
    Selection next = r->selection;
    shift_up(next);
    change_selection(*r, next);
    return true;
  }
  MarkerKey key;
  return marker_key(vk, key);
}

}  // namespace shell
