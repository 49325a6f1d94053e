// How the default window shows its virtual screen: scroll bars and
// scrolling, Size To Fit, Full Screen, and scrolling the text window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/units.h"
#include "shell/child/child_record_win.h"
#include "shell/child/text_services.h"
#include "shell/frame/menu_table.h"
#include "shell/startup/shell_state_win.h"
#include "shell_win/background_helpers.h"
#include "shell_win/shell_test_support.h"

namespace {

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shell_test::configure_like_bvrank();
    r = shell_test::default_record();
    ASSERT_NE(r, nullptr);
    // Give the child a client area smaller than its virtual screen.
    SetWindowPos(r->hwnd, nullptr, 0, 0, 300, 300, SWP_NOZORDER | SWP_NOMOVE);
  }
  // Sends a menu command through the frame, as the menu does.
  void command(int id) { SendMessageA(shell::shell_state().frame, WM_COMMAND, id, 0); }
  shell::ChildRecord* r = nullptr;
};

// The window's own bars hold the ranges of the record, which cover what
// the view leaves out of the virtual screen.
void expect_bars_cover_the_screen(const shell::ChildRecord& r) {
  RECT client;
  GetClientRect(r.hwnd, &client);
  EXPECT_EQ(r.scroll_range_x, std::max(0, 695 - static_cast<int>(client.right)));
  EXPECT_EQ(r.scroll_range_y, std::max(0, 895 - static_cast<int>(client.bottom)));
  SCROLLINFO h = {sizeof h, SIF_RANGE, 0, 0, 0, 0, 0};
  SCROLLINFO v = h;
  GetScrollInfo(r.hwnd, SB_HORZ, &h);
  GetScrollInfo(r.hwnd, SB_VERT, &v);
  EXPECT_EQ(h.nMax, r.scroll_range_x);
  EXPECT_EQ(v.nMax, r.scroll_range_y);
  EXPECT_FALSE(r.updating_scroll_bars);  // nor is the frame's paint held back
}

TEST_F(ViewTest, ScrollBarsCoverTheVirtualScreen) {
  expect_bars_cover_the_screen(*r);
  SendMessageA(r->hwnd, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(r->scroll_y, r->scroll_range_y);
  SendMessageA(r->hwnd, WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(r->scroll_y, r->scroll_range_y - r->cell_height);
  SendMessageA(r->hwnd, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(r->scroll_x, 0);
}

TEST_F(ViewTest, ScrollBarsSettleWhenOneBarBringsTheOther) {
  // Wide enough for the whole screen until the vertical bar takes its width;
  // leaving Size To Fit, where the bars are hidden, the bars return.
  RECT window, client;
  GetWindowRect(r->hwnd, &window);
  GetClientRect(r->hwnd, &client);
  const int bar = GetSystemMetrics(SM_CXVSCROLL);
  const int borders = (window.right - window.left) - client.right - bar;
  SetWindowPos(r->hwnd, nullptr, 0, 0, borders + 695 + bar / 2, 300, SWP_NOZORDER | SWP_NOMOVE);
  command(shell::kCmdSizeToFit);
  EXPECT_EQ(r->scroll_range_x, 0);
  command(shell::kCmdSizeToFit);
  EXPECT_GT(r->scroll_range_x, 0);
  expect_bars_cover_the_screen(*r);
}

TEST_F(ViewTest, SizeToFitShowsEverythingAndReturnsToTheOldPosition) {
  SendMessageA(r->hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
  const int before = r->scroll_y;
  command(shell::kCmdSizeToFit);
  EXPECT_TRUE(r->fit);
  EXPECT_EQ(r->scroll_range_x, 0);
  EXPECT_EQ(r->scroll_range_y, 0);
  SendMessageA(r->hwnd, WM_VSCROLL, SB_TOP, 0);  // ignored in fit mode
  command(shell::kCmdSizeToFit);
  EXPECT_FALSE(r->fit);
  EXPECT_EQ(r->scroll_y, before);
}

TEST_F(ViewTest, FullScreenAndEscapeBack) {
  command(shell::kCmdFullScreen);
  ASSERT_TRUE(r->in_full_screen());
  RECT rc;
  GetWindowRect(r->full_screen, &rc);
  EXPECT_EQ(rc.right - rc.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(r->target, r->full_screen);
  SendMessageA(r->full_screen, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(r->in_full_screen());
  EXPECT_EQ(r->target, r->hwnd);
}

TEST_F(ViewTest, ScrollTextWindowDownBlanksTheTopRows) {
  OUTTEXT("one\ntwo\nthree");
  SCROLLTEXTWINDOW(-2);
  const auto lines = shell_test::screen_lines(*r);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "one");
  EXPECT_EQ(lines[4], "three");
}

TEST_F(ViewTest, ScreenShowsTheBitmapAfterManyScrolls) {
  SendMessageA(r->hwnd, WM_VSCROLL, SB_TOP, 0);
  for (int i = 0; i < 300; ++i) {
    rt::write_console("line " + std::to_string(i) + " of a report that scrolls at the bottom")
        .or_stop();
  }
  rt::finish();
  // Let the GUI thread serve every pending repaint first.
  SendMessageA(r->hwnd, WM_NULL, 0, 0);
  UpdateWindow(r->hwnd);
  RECT client;
  GetClientRect(r->hwnd, &client);
  HDC screen = GetDC(r->hwnd);
  const auto shown = shell_test::pixels_of(screen, 0, 0, client.right, client.bottom);
  ReleaseDC(r->hwnd, screen);
  const auto expected = shell_test::pixels_of(r->memory_dc.get(), r->scroll_x, r->scroll_y,
                                              client.right, client.bottom);
  int wrong_rows = 0;
  const int w = client.right;
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < w; ++x) {
      if ((shown[static_cast<std::size_t>(y * w + x)] & 0xFFFFFF) !=
          (expected[static_cast<std::size_t>(y * w + x)] & 0xFFFFFF)) {
        ++wrong_rows;
        break;
      }
    }
  }
  EXPECT_EQ(wrong_rows, 0);
  // Both show the report: every whole text row in view holds text (two
  // colours at least), so a blank bitmap shown blank does not pass.
  const int cell_rows = client.bottom / r->cell_height;
  int rows_with_text = 0;
  for (int row = 0; row < cell_rows; ++row) {
    const auto first = expected.begin() + row * r->cell_height * w;
    const auto last = first + r->cell_height * w;
    if (std::any_of(first, last, [&](std::uint32_t p) { return (p ^ *first) & 0xFFFFFF; }))
      ++rows_with_text;
  }
  EXPECT_GT(cell_rows, 0);
  EXPECT_EQ(rows_with_text, cell_rows);
}

}  // namespace
