// Pause and Resume (still reachable as commands and by their keys though the
// program removed their menu) and the status bar: the state word, the
// program's commands greyed and ignored while paused, Pause twice needing
// Resume twice, and a hidden status bar showing, when shown again, the state
// reached meanwhile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/driver.h"

namespace {

using namespace driver;

// An idle program: the first dialog cancelled.
class StateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(s.ready()) << s.describe();
    ASSERT_TRUE(s.cancel_first_dialog());
    ASSERT_EQ(status_word(s.frame()), "Running");
  }

  void pause() {
    const std::vector<DWORD> before = thread_ids(s.pid());
    ASSERT_TRUE(send_command(s.frame(), kCmdPause));
    wait_paused(before);
  }

  // Pause shows "Paused" and greys the program's items; waits for both, and
  // for any thread the pause started to have ended.
  void wait_paused(const std::vector<DWORD>& threads_before) {
    ASSERT_TRUE(wait_until(
        [&] {
          return status_word(s.frame()) == "Paused" && menu_item_greyed(s.frame(), kCmdOpenInput) &&
                 menu_item_greyed(s.frame(), kCmdSaveOutput);
        },
        kPatience));
    ASSERT_TRUE(wait_new_threads_ended(s.pid(), threads_before, kPatience));
  }

  Session s;
};

TEST_F(StateTest, PauseTwiceNeedsResumeTwice) {
  pause();
  ASSERT_TRUE(send_command(s.frame(), kCmdPause));
  ASSERT_TRUE(send_command(s.frame(), kCmdResume));
  EXPECT_EQ(status_word(s.frame()), "Paused") << "the first Resume only cancels the second Pause";
  EXPECT_TRUE(menu_item_greyed(s.frame(), kCmdOpenInput));

  ASSERT_TRUE(send_command(s.frame(), kCmdResume));
  EXPECT_EQ(status_word(s.frame()), "Running");
  EXPECT_FALSE(menu_item_greyed(s.frame(), kCmdOpenInput));
  EXPECT_FALSE(menu_item_greyed(s.frame(), kCmdSaveOutput));
}

TEST_F(StateTest, CtrlSTypedInTheReportWindowPausesAndCtrlQOrEscapeResumes) {
  const std::vector<HWND> children = child_windows(s.frame());
  ASSERT_EQ(children.size(), 1u);
  for (const char resume : {'\x11', '\x1b'}) {
    SCOPED_TRACE(resume == '\x11' ? "Ctrl+Q" : "Escape");
    const std::vector<DWORD> before = thread_ids(s.pid());
    type_char(children[0], '\x13');  // Ctrl+S
    wait_paused(before);
    type_char(children[0], resume);
    ASSERT_TRUE(wait_until(
        [&] { return status_word(s.frame()) == "Running" && !menu_item_greyed(s.frame(), kCmdOpenInput); },
        kPatience));
  }
}

TEST_F(StateTest, ProgramCommandsDoNothingWhilePausedAndWorkAfterResume) {
  pause();
  // Each command returns at once: one that showed a dialog would return
  // only once the dialog closed.
  EXPECT_TRUE(send_command(s.frame(), kCmdOpenInput));
  EXPECT_TRUE(send_command(s.frame(), kCmdSaveOutput));
  EXPECT_TRUE(dialogs_of(s.pid()).empty());

  ASSERT_TRUE(send_command(s.frame(), kCmdResume));
  ASSERT_EQ(status_word(s.frame()), "Running");
  HWND dialog = s.open_dialog_from_menu();
  ASSERT_NE(dialog, nullptr) << "the command works again";
  press(dialog, IDCANCEL);
  EXPECT_TRUE(wait_gone(dialog, kPatience));
}

TEST_F(StateTest, ProgramCommandChosenAsSoonAsPausedShowsNeverHangs) {
  // The moment "Paused" shows, the pause may still be greying the program's
  // items; a command chosen then must still return at once. Repeated, as
  // the moment is short.
  const std::vector<DWORD> before = thread_ids(s.pid());
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    ASSERT_TRUE(send_command(s.frame(), kCmdPause));
    ASSERT_TRUE(wait_until([&] { return status_word(s.frame()) == "Paused"; }, kPatience));
    for (int i = 0; i < 20; ++i) {
      ASSERT_TRUE(send_command(s.frame(), kCmdOpenInput)) << "the frame stopped answering";
    }
    ASSERT_TRUE(send_command(s.frame(), kCmdResume));
    ASSERT_EQ(status_word(s.frame()), "Running");
    // The next Pause is carried out only once this one's thread has ended.
    ASSERT_TRUE(wait_new_threads_ended(s.pid(), before, kPatience));
  }
  EXPECT_TRUE(dialogs_of(s.pid()).empty());
}

TEST_F(StateTest, HiddenStatusBarShowsTheStateReachedMeanwhileWhenShownAgain) {
  HWND bar = status_bar(s.frame());
  HWND client = mdi_client(s.frame());
  ASSERT_NE(bar, nullptr);
  ASSERT_NE(client, nullptr);
  RECT with_bar;
  GetWindowRect(client, &with_bar);

  ASSERT_TRUE(send_command(s.frame(), kCmdStatusBar));
  EXPECT_FALSE(IsWindowVisible(bar));
  RECT without_bar;
  GetWindowRect(client, &without_bar);
  RECT frame_client;
  GetClientRect(s.frame(), &frame_client);
  EXPECT_EQ(without_bar.bottom - without_bar.top, frame_client.bottom)
      << "the client takes the bar's room";

  // Paused while hidden; the greyed commands show that the pause is done.
  ASSERT_TRUE(send_command(s.frame(), kCmdPause));
  ASSERT_TRUE(wait_until([&] { return menu_item_greyed(s.frame(), kCmdOpenInput); }, kPatience));

  ASSERT_TRUE(send_command(s.frame(), kCmdStatusBar));
  EXPECT_TRUE(IsWindowVisible(bar));
  EXPECT_EQ(status_word(s.frame()), "Paused");
  RECT again;
  GetWindowRect(client, &again);
  EXPECT_EQ(again.bottom, with_bar.bottom);
}

}  // namespace
