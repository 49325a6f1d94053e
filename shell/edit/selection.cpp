// Selection rules: corners from mouse positions and marker keys, and the
// moves between marker, highlight and a selection ready to copy.
#include "shell/edit/selection.h"

#include <algorithm>

namespace shell {
namespace {

int clamp_into(int value, int limit) {
  return std::clamp(value, 0, std::max(limit - 1, 0));
}

SelectPoint clamped(SelectPoint p, SelectPoint limits) {
  return SelectPoint{clamp_into(p.x, limits.x), clamp_into(p.y, limits.y)};
}

int cell_or_one(int cell) {
  return cell > 0 ? cell : 1;
}

}  // namespace

SelectPoint select_limits(SelectKind kind, const SelectView& v) {
  if (kind == SelectKind::kGraphics) return SelectPoint{v.screen_width, v.screen_height};
  return SelectPoint{v.text_columns, v.text_rows};
}

Selection begin_marking(SelectKind kind, const SelectView& v) {
  Selection s;
  s.kind = kind;
  s.anchor = kind == SelectKind::kGraphics ? SelectPoint{v.scroll_x, v.scroll_y}
                                           : SelectPoint{v.scroll_x / cell_or_one(v.cell_width),
                                                         v.scroll_y / cell_or_one(v.cell_height)};
  s.end = s.anchor;
  return s;
}

Selection select_everything(bool has_graphics, const SelectView& v) {
  Selection s;
  s.kind = has_graphics ? SelectKind::kGraphics : SelectKind::kText;
  const SelectPoint limits = select_limits(s.kind, v);
  s.anchor = SelectPoint{0, 0};
  s.end = SelectPoint{std::max(limits.x - 1, 0), std::max(limits.y - 1, 0)};
  s.select_all = true;
  s.selecting = true;
  s.highlight = true;
  s.copy_enabled = true;
  return s;
}

SelectPoint press_point(SelectKind kind, int x, int y, const SelectView& v) {
  const int vx = x + v.scroll_x;
  const int vy = y + v.scroll_y;
  if (kind == SelectKind::kGraphics) return clamped({vx, vy}, select_limits(kind, v));
  // The nearer cell boundary, a half upwards: (2 * vx + w) / (2 * w).
  const int w = cell_or_one(v.cell_width);
  const int column = vx >= 0 ? (2 * vx + w) / (2 * w) : 0;
  const int row = vy >= 0 ? vy / cell_or_one(v.cell_height) : 0;
  return clamped({column, row}, select_limits(kind, v));
}

SelectPoint drag_point(SelectKind kind, int x, int y, const SelectView& v) {
  const int vx = std::max(x + v.scroll_x, 0);
  const int vy = std::max(y + v.scroll_y, 0);
  if (kind == SelectKind::kGraphics) return clamped({vx, vy}, select_limits(kind, v));
  return clamped({vx / cell_or_one(v.cell_width), vy / cell_or_one(v.cell_height)},
                 select_limits(kind, v));
}

EdgeStep edge_step(int x, int y, int view_width, int view_height) {
  EdgeStep step;
  step.x = x;
  step.y = y;
  if (x >= view_width) {
    step.dx = 1;
    step.x = view_width - 1;
  } else if (x <= 0) {
    step.dx = -1;
    step.x = 0;
  }
  if (y >= view_height) {
    step.dy = 1;
    step.y = view_height - 1;
  } else if (y < 1) {
    step.dy = -1;
    step.y = 0;
  }
  return step;
}

bool press(Selection& s, SelectPoint p) {
  const bool first = !s.selecting;
  s.selecting = true;
  s.marker = false;
  s.anchor = p;
  s.end = p;
  s.highlight = true;
  s.copy_enabled = false;  // still being marked
  s.drag = DragState::kHeld;
  return first;
}

void drag_to(Selection& s, SelectPoint p) {
  if (s.drag == DragState::kHeld) s.end = p;
}

void release(Selection& s, const SelectPoint* p) {
  if (s.drag != DragState::kHeld) return;
  if (p != nullptr) s.end = *p;
  s.drag = DragState::kReleased;
  s.copy_enabled = true;
}

SelectPoint moved_end(SelectPoint end, MarkerKey key, bool ctrl, int repeat, SelectKind kind,
                      const SelectView& v) {
  const bool text = kind != SelectKind::kGraphics;
  const int page_x = std::max(text ? v.view_width / cell_or_one(v.cell_width) : v.view_width, 1);
  const int page_y = std::max(text ? v.view_height / cell_or_one(v.cell_height) : v.view_height, 1);
  const SelectPoint limits = select_limits(kind, v);
  SelectPoint p = end;
  switch (key) {
    case MarkerKey::kPageUp:
      (ctrl ? p.x : p.y) -= ctrl ? page_x : page_y;
      break;
    case MarkerKey::kPageDown:
      (ctrl ? p.x : p.y) += ctrl ? page_x : page_y;
      break;
    case MarkerKey::kHome:
      p.x = 0;
      if (ctrl) p.y = 0;
      break;
    case MarkerKey::kEnd:
      p.x = limits.x - 1;
      if (ctrl) p.y = limits.y - 1;
      break;
    case MarkerKey::kLeft:
      p.x -= repeat;
      break;
    case MarkerKey::kRight:
      p.x += repeat;
      break;
    case MarkerKey::kUp:
      p.y -= repeat;
      break;
    case MarkerKey::kDown:
      p.y += repeat;
      break;
  }
  return clamped(p, limits);
}

void mark_with_key(Selection& s, SelectPoint to) {
  if (s.extend) {
    if (s.marker || !s.highlight) {
      s.marker = false;
      s.highlight = true;
      s.copy_enabled = true;
    }
    s.end = to;
    return;
  }
  s.highlight = false;
  s.copy_enabled = false;
  s.marker = true;
  s.end = to;
  s.anchor = to;
}

void shift_down(Selection& s) {
  s.extend = true;
}

void shift_up(Selection& s) {
  s.extend = false;
  if (s.highlight) s.copy_enabled = true;
}

}  // namespace shell
