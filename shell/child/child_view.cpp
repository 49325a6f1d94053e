// Scroll and caret arithmetic.
#include "shell/child/child_view.h"

namespace shell {
namespace {

int scale_up(int value, int numerator, int denominator) {
  if (denominator <= 0) return value;
  const long long product = static_cast<long long>(value) * numerator;
  return static_cast<int>((product + denominator - 1) / denominator);
}

}  // namespace

int scroll_range(int screen_extent, int view_extent) {
  const int range = screen_extent - view_extent;
  return range <= 2 ? 0 : range;
}

int clamp_scroll(int position, int range) {
  if (position > range) position = range;
  return position < 0 ? 0 : position;
}

CaretBox caret_box(const CaretGeometry& g) {
  const int x = (g.absolute_column - 1) * g.cell_width;
  const int y = (g.absolute_row - 1) * g.cell_height;
  if (!g.fit) return CaretBox{x - g.scroll_x, y - g.scroll_y, g.cell_width, g.cell_height};
  return CaretBox{scale_up(x, g.view_width, g.screen_width),
                  scale_up(y, g.view_height, g.screen_height),
                  scale_up(g.cell_width, g.view_width, g.screen_width),
                  scale_up(g.cell_height, g.view_height, g.screen_height)};
}

}  // namespace shell
