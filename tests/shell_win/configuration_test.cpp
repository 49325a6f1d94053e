// The frame placed by the start-up hook, and the report window configured
// as the program does it, on the installed font.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "shell/child/child_record_win.h"
#include "shell/frame/window_services.h"
#include "shell/graphics/graphics_services.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/window_table_win.h"
#include "shell_win/background_helpers.h"
#include "shell_win/shell_test_support.h"

namespace {

TEST(Frame, PlacedAndSizedByTheStartupHook) {
  RECT rc;
  GetWindowRect(shell::shell_state().frame, &rc);
  EXPECT_EQ(rc.left, 0);
  EXPECT_EQ(rc.top, 0);
  EXPECT_EQ(rc.right - rc.left, 700);
  EXPECT_EQ(rc.bottom - rc.top, 900);
  // Unit windows cannot be sized while the hook runs.
  EXPECT_EQ(shell_test::g_child_size_during_settings, -1);
}

TEST(Configuration, ReportWindowAppliedOnTheFirstCall) {
  shell::WindowConfig c = shell::default_window_config();
  c.numxpixels = 695;
  c.numypixels = 895;
  EXPECT_EQ(SETWINDOWCONFIG(c), 1);
  shell::ChildRecord* r = shell_test::default_record();
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->screen_width, 695);
  EXPECT_EQ(r->screen_height, 895);
  EXPECT_EQ(r->text_columns, 695 / r->cell_width);
  EXPECT_EQ(r->text_rows, 895 / r->cell_height);
  // The installed font matches the 8 x 16 cell within the tolerance.
  EXPECT_GE(r->cell_width, 6);
  EXPECT_LE(r->cell_width, 9);

  shell::WindowConfig read{};
  ASSERT_EQ(GETWINDOWCONFIG(read), 1);
  EXPECT_EQ(read.numxpixels, 695);
  EXPECT_EQ(read.numtextcols, r->text_columns);
  EXPECT_EQ(read.numcolors, 256);
}

TEST(Configuration, CorrectedRequestIsAcceptedTheSecondTime) {
  shell::WindowConfig c = shell::default_window_config();
  c.fontsize = shell::pack_cell(8, 16);
  c.numxpixels = 700;
  c.numtextcols = 80;
  EXPECT_EQ(SETWINDOWCONFIG(c), 0);
  EXPECT_EQ(c.numtextcols, 87);
  EXPECT_EQ(SETWINDOWCONFIG(c), 1);
}

// Reconfiguring discards the screen's contents: the new virtual screen is
// black (palette entry 0) everywhere, whatever the old one showed.
TEST(Configuration, NewVirtualScreenIsBlack) {
  shell_test::configure_like_bvrank();
  SETBKCOLORRGB(0xFFFFFF);
  CLEARSCREEN(0);
  shell::ChildRecord* r = shell_test::default_record();
  ASSERT_NE(r, nullptr);
  ASSERT_EQ(shell_test::pixels_of(r->memory_dc.get(), 0, 0, 1, 1), std::vector<unsigned>{0xFFFFFF});
  ASSERT_EQ(shell_test::configure_like_bvrank(), 1);
  const std::vector<unsigned> screen = shell_test::pixels_of(r->memory_dc.get(), 0, 0, 695, 895);
  EXPECT_EQ(std::count(screen.begin(), screen.end(), 0u), 695 * 895);
}

}  // namespace
