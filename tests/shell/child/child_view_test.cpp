// Scroll ranges and the caret box, 1:1 and scaled to fit.
#include "shell/child/child_view.h"

#include <gtest/gtest.h>

namespace {

using namespace shell;

TEST(ScrollRange, NoBarForTwoPixelsOrLess) {
  EXPECT_EQ(scroll_range(695, 695), 0);
  EXPECT_EQ(scroll_range(697, 695), 0);
  EXPECT_EQ(scroll_range(698, 695), 3);
  EXPECT_EQ(scroll_range(600, 695), 0);
  EXPECT_EQ(clamp_scroll(50, 3), 3);
  EXPECT_EQ(clamp_scroll(-5, 3), 0);
}

TEST(CaretBox, OneCellAtTheTextPositionScaledInFitMode) {
  CaretGeometry g{3, 2, 8, 16, 4, 10, false, 400, 300, 800, 600};
  CaretBox b = caret_box(g);
  EXPECT_EQ(b.x, 16 - 4);
  EXPECT_EQ(b.y, 16 - 10);
  EXPECT_EQ(b.width, 8);
  EXPECT_EQ(b.height, 16);
  g.fit = true;  // half size: position and size halve, rounded up
  g.absolute_column = 2;
  b = caret_box(g);
  EXPECT_EQ(b.x, 4);
  EXPECT_EQ(b.y, 8);
  EXPECT_EQ(b.width, 4);
  EXPECT_EQ(b.height, 8);
  g.view_width = 401;
  EXPECT_EQ(caret_box(g).width, 5);  // 8 * 401 / 800 = 4.01, rounded up
}

}  // namespace
