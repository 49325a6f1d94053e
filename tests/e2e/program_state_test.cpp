// Pause and Resume (still reachable as commands though the program removed
// their menu) and the status bar: the state word, the program's commands
// greyed and ignored while paused, Pause twice needing Resume twice, and a
// hidden status bar showing, when shown again, the state reached meanwhile.
#include <gtest/gtest.h>

#include <string>

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

  // Pause is carried out by a thread of its own: wait for its result.
  void pause() {
    ASSERT_TRUE(send_command(s.frame(), kCmdPause));
    ASSERT_TRUE(wait_until([&] { return status_word(s.frame()) == "Paused"; }, kPatience));
  }

  Session s;
};

TEST_F(StateTest, PauseTwiceNeedsResumeTwice) {
  pause();
  EXPECT_TRUE(menu_item_greyed(s.frame(), kCmdOpenInput));
  EXPECT_TRUE(menu_item_greyed(s.frame(), kCmdSaveOutput));
  ASSERT_TRUE(send_command(s.frame(), kCmdPause));
  ASSERT_TRUE(send_command(s.frame(), kCmdResume));
  EXPECT_EQ(status_word(s.frame()), "Paused") << "the first Resume only cancels the second Pause";
  EXPECT_TRUE(menu_item_greyed(s.frame(), kCmdOpenInput));

  ASSERT_TRUE(send_command(s.frame(), kCmdResume));
  EXPECT_EQ(status_word(s.frame()), "Running");
  EXPECT_FALSE(menu_item_greyed(s.frame(), kCmdOpenInput));
  EXPECT_FALSE(menu_item_greyed(s.frame(), kCmdSaveOutput));
}

TEST_F(StateTest, ProgramCommandsDoNothingWhilePausedAndWorkAfterResume) {
  pause();
  ASSERT_TRUE(wait_until([&] { return menu_item_greyed(s.frame(), kCmdOpenInput); }, kPatience));
  // Each command returns at once, without a dialog of its own; a short wait
  // then shows that none comes later either.
  EXPECT_TRUE(send_command(s.frame(), kCmdOpenInput, 2000));
  EXPECT_TRUE(send_command(s.frame(), kCmdSaveOutput, 2000));
  EXPECT_EQ(wait_for_any_dialog(s.pid(), 1000), nullptr);
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
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    ASSERT_TRUE(send_command(s.frame(), kCmdPause));
    ASSERT_TRUE(wait_until([&] { return status_word(s.frame()) == "Paused"; }, kPatience));
    for (int i = 0; i < 20; ++i) {
      ASSERT_TRUE(send_command(s.frame(), kCmdOpenInput, 2000)) << "the frame stopped answering";
    }
    ASSERT_TRUE(send_command(s.frame(), kCmdResume));
    ASSERT_EQ(status_word(s.frame()), "Running");
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
