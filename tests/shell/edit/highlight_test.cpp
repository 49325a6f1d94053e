// Highlight rectangles of text streams and graphics outlines.
#include "shell/edit/highlight.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using shell::ClientRect;
using shell::SelectKind;

shell::SelectView view(int scroll_x, int scroll_y) {
  shell::SelectView v;
  v.scroll_x = scroll_x;
  v.scroll_y = scroll_y;
  v.view_width = 400;
  v.view_height = 300;
  v.text_columns = 80;
  v.text_rows = 40;
  return v;
}

shell::Selection selection(SelectKind kind, shell::SelectPoint anchor, shell::SelectPoint end) {
  shell::Selection s;
  s.kind = kind;
  s.anchor = anchor;
  s.end = end;
  return s;
}

TEST(Highlight, TextStreams) {
  using Rects = std::vector<ClientRect>;
  // One row: from the first cell to the last.
  EXPECT_EQ(shell::highlight_rects(selection(SelectKind::kText, {3, 2}, {6, 2}), view(0, 0)),
            (Rects{{24, 32, 56, 48}}));
  // Rows 2 to 5, the corners given end first, scrolled by 8 and 16 pixels:
  // the first row to the client's right edge, rows 3 and 4 across the
  // client, the last row from its left edge.
  EXPECT_EQ(shell::highlight_rects(selection(SelectKind::kText, {6, 5}, {3, 2}), view(8, 16)),
            (Rects{{16, 16, 400, 32}, {0, 32, 400, 64}, {0, 64, 48, 80}}));
  // Adjacent rows: nothing between them.
  EXPECT_EQ(shell::highlight_rects(selection(SelectKind::kText, {3, 2}, {1, 3}), view(0, 0)),
            (Rects{{24, 32, 400, 48}, {0, 48, 16, 64}}));
}

TEST(Highlight, GraphicsOutlineCoversEachPixelOnce) {
  const auto rects =
      shell::highlight_rects(selection(SelectKind::kGraphics, {10, 20}, {5, 14}), view(0, 0));
  int pixels = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      int covered = 0;
      for (const ClientRect& r : rects)
        covered += x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      ASSERT_LE(covered, 1) << x << "," << y;
      const bool edge = (x == 5 || x == 10) && y >= 14 && y <= 20;
      const bool top_bottom = (y == 14 || y == 20) && x >= 5 && x <= 10;
      EXPECT_EQ(covered == 1, edge || top_bottom) << x << "," << y;
      pixels += covered;
    }
  }
  EXPECT_EQ(pixels, 2 * 6 + 2 * 5);
  EXPECT_EQ(
      shell::highlight_rects(selection(SelectKind::kGraphics, {3, 3}, {3, 3}), view(0, 0)).size(),
      1u);
}

}  // namespace
