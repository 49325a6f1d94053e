// Arithmetic of a child window's view over its virtual screen: scroll
// ranges and positions, and where the caret stands, at 1:1 or scaled to fit.
#pragma once

namespace shell {

// The scroll range of one direction: screen - view, and 0 (no scroll bar)
// when that is 2 pixels or less.
int scroll_range(int screen_extent, int view_extent);
int clamp_scroll(int position, int range);

struct CaretBox {
  int x, y, width, height;
};

struct CaretGeometry {
  int absolute_column, absolute_row;  // of the text position, 1-based
  int cell_width, cell_height;
  int scroll_x, scroll_y;
  bool fit;
  int view_width, view_height, screen_width, screen_height;
};

// One cell at the text position, less the scroll position; in fit mode the
// cell and its position are scaled by view / screen, rounded up.
CaretBox caret_box(const CaretGeometry& g);

}  // namespace shell
