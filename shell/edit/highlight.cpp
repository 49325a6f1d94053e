// Highlight geometry of text streams and graphics outlines.
#include "shell/edit/highlight.h"

#include <algorithm>
#include <utility>

namespace shell {
namespace {

void add(std::vector<ClientRect>& out, int left, int top, int right, int bottom,
         const SelectView& v) {
  if (left >= right || top >= bottom) return;
  out.push_back(
      ClientRect{left - v.scroll_x, top - v.scroll_y, right - v.scroll_x, bottom - v.scroll_y});
}

std::vector<ClientRect> text_stream(SelectPoint first, SelectPoint last, const SelectView& v) {
  if (last.y < first.y || (last.y == first.y && last.x < first.x)) std::swap(first, last);
  const int w = v.cell_width, h = v.cell_height;
  // The client's edges in virtual-screen pixels.
  const int client_left = v.scroll_x;
  const int client_right = v.scroll_x + v.view_width;
  std::vector<ClientRect> out;
  if (first.y == last.y) {
    add(out, first.x * w, first.y * h, (last.x + 1) * w, (first.y + 1) * h, v);
    return out;
  }
  add(out, first.x * w, first.y * h, client_right, (first.y + 1) * h, v);
  add(out, client_left, (first.y + 1) * h, client_right, last.y * h, v);
  add(out, client_left, last.y * h, (last.x + 1) * w, (last.y + 1) * h, v);
  return out;
}

std::vector<ClientRect> outline(SelectPoint a, SelectPoint b, const SelectView& v) {
  const int x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
  const int y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
  std::vector<ClientRect> out;
  add(out, x0, y0, x1 + 1, y0 + 1, v);  // top edge, corners included
  if (y1 > y0) add(out, x0, y1, x1 + 1, y1 + 1, v);
  add(out, x0, y0 + 1, x0 + 1, y1, v);  // sides between the two edges
  if (x1 > x0) add(out, x1, y0 + 1, x1 + 1, y1, v);
  return out;
}

}  // namespace

std::vector<ClientRect> highlight_rects(const Selection& s, const SelectView& v) {
  if (!s.active() || s.anchor.x < 0 || s.end.x < 0) return {};
  if (s.kind == SelectKind::kGraphics) return outline(s.anchor, s.end, v);
  return text_stream(s.anchor, s.end, v);
}

}  // namespace shell
