// The control keys of bvrank's report window: Ctrl+S pauses, Ctrl+Q and
// Escape resume, Ctrl+C exits at once, although the program removed the
// State menu and keeps only File.
#include <gtest/gtest.h>

#include "e2e/driver.h"

namespace {

using namespace driver;

class KeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(s.ready()) << s.describe();
    ASSERT_TRUE(s.cancel_first_dialog());
    const std::vector<HWND> children = child_windows(s.frame());
    ASSERT_FALSE(children.empty());
    report = children.front();
  }

  void type(char c) { PostMessageA(report, WM_CHAR, static_cast<unsigned char>(c), 1); }
  bool shows(const char* word) {
    return wait_until([&] { return status_word(s.frame()) == word; }, kPatience);
  }

  Session s;
  HWND report = nullptr;
};

TEST_F(KeysTest, CtrlSPausesAndCtrlQOrEscapeResumes) {
  type('\x13');
  ASSERT_TRUE(shows("Paused"));
  type('\x11');
  ASSERT_TRUE(shows("Running"));
  type('\x13');
  ASSERT_TRUE(shows("Paused"));
  type('\x1b');
  EXPECT_TRUE(shows("Running"));
  EXPECT_TRUE(s.process().running());
}

TEST_F(KeysTest, CtrlCExitsAtOnce) {
  type('\x03');
  EXPECT_EQ(s.process().wait_exit(kPatience), 0u) << "no prompt";
}

}  // namespace
