// bvrank.exe starts under Wine, shows its frame window and ends with exit
// code 0 when the frame is closed.
#include <gtest/gtest.h>

#include "e2e/driver.h"

namespace {

TEST(Startup, FrameAppearsAndClosingEndsTheProcess) {
  driver::Process p(BVRANK_EXE, "", "");
  ASSERT_TRUE(p.started());
  HWND frame = driver::wait_for_window(p.id(), "bvrankFRAME", nullptr, 20000);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(driver::window_text(frame), "bvrank");
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.wait_exit(20000), 0u);
}

}  // namespace
