// Text output into the real default window: what the text buffer holds and
// where the text position ends, wrapping in a narrow text window, and the
// scroll at the bottom clearing the last row to the background colour.
#include <gtest/gtest.h>

#include "shell/child/child_record_win.h"
#include "shell/child/text_output_win.h"
#include "shell/child/text_services.h"
#include "shell/graphics/graphics_services.h"
#include "shell_win/shell_test_support.h"

namespace {

using shell_test::screen_lines;

struct Position {
  int row, column;
};

Position text_position() {
  const std::int32_t p = GETTEXTPOSITION();
  return Position{p & 0xFFFF, (p >> 16) & 0xFFFF};
}

class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shell_test::configure_like_bvrank();
    r = shell_test::default_record();
    ASSERT_NE(r, nullptr);
  }
  shell::ChildRecord* r = nullptr;
};

TEST_F(TextTest, LineFeedAndCarriageReturn) {
  OUTTEXT("AB\nCD");
  auto lines = screen_lines(*r);
  EXPECT_EQ(lines[0], "AB");
  EXPECT_EQ(lines[1], "CD");
  Position p = text_position();
  EXPECT_EQ(p.row, 2);
  EXPECT_EQ(p.column, 3);

  CLEARSCREEN(0);
  OUTTEXT("AB\rX");
  EXPECT_EQ(screen_lines(*r)[0], "XB");
  p = text_position();
  EXPECT_EQ(p.row, 1);
  EXPECT_EQ(p.column, 2);
}

TEST_F(TextTest, WrappingInATenColumnTextWindow) {
  SETTEXTWINDOW(1, 1, 10, 10);
  OUTTEXT("0123456789abcdefghijABCDE");
  auto lines = screen_lines(*r);
  EXPECT_EQ(lines[0], "0123456789");
  EXPECT_EQ(lines[1], "abcdefghij");
  EXPECT_EQ(lines[2], "ABCDE");
  Position p = text_position();
  EXPECT_EQ(p.row, 3);
  EXPECT_EQ(p.column, 6);

  WRAPON(0);
  SETTEXTPOSITION(5, 1);
  OUTTEXT("0123456789abcdefghijABCDE");
  EXPECT_EQ(screen_lines(*r)[4], "0123456789");  // nothing stored beyond column 10
  EXPECT_EQ(text_position().column, 26);
}

TEST_F(TextTest, PositionIsClampedToTheTextWindow) {
  SETTEXTPOSITION(0, 500);
  const Position p = text_position();
  EXPECT_EQ(p.row, 1);
  EXPECT_EQ(p.column, r->text_columns);
}

TEST_F(TextTest, LineFeedOnTheLastRowScrollsAndClearsTheBottomRow) {
  SETBKCOLORRGB(0xFFFFFF);
  CLEARSCREEN(0);
  SETTEXTCOLORRGB(0x000000);
  for (int i = 1; i <= r->text_rows; ++i) {
    OUTTEXT(("line " + std::to_string(i) + "\n").c_str());
  }
  auto lines = screen_lines(*r);
  EXPECT_EQ(lines[0], "line 2");  // line 1 scrolled off the top
  EXPECT_EQ(lines[static_cast<std::size_t>(r->text_rows) - 2],
            "line " + std::to_string(r->text_rows));
  EXPECT_EQ(lines.back(), "");
  EXPECT_EQ(text_position().row, r->text_rows);
  // The vacated bottom row holds only the background colour.
  const int y = (r->text_rows - 1) * r->cell_height + r->cell_height / 2;
  for (int x = 0; x < 10 * r->cell_width; ++x) {
    ASSERT_EQ(GetPixel(r->memory_dc.get(), x, y), RGB(255, 255, 255)) << x;
  }
}

TEST_F(TextTest, EmptyWriteIsOneFlaggedBlank) {
  ASSERT_EQ(shell::Write("", 0, 1024, 0), 0);
  const shell::TextRowEntry* e = r->text_buffer.find(1);
  ASSERT_NE(e, nullptr);
  EXPECT_TRUE(e->empty_record);
  EXPECT_EQ(e->chars, " ");
}

}  // namespace
