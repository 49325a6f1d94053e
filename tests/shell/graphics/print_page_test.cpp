// Printing rules: the page rectangle, the message of a failed print-setup
// dialog, the message texts, and one message per print.
#include "shell/graphics/print_page.h"

#include <gtest/gtest.h>

#include "shell/frame/shell_texts.h"

namespace {

TEST(PageRect, FillsThePrintableWidthAndKeepsTheProportions) {
  struct Case {
    int w, h, printable, dx, dy;
    int width, height;
  } cases[] = {
      // bvrank's 695 x 895 window on an A4 page at 300 dpi.
      {695, 895, 2479, 300, 300, 2479, 3192},
      {100, 50, 1000, 300, 300, 1000, 500},
      {100, 50, 1000, 300, 600, 1000, 1000},  // twice as many pixels down
      {100, 50, 1000, 600, 300, 1000, 250},
      {3, 1, 10, 100, 100, 10, 3},  // 3.33 is cut, not rounded
      {1000, 1, 10, 100, 100, 10, 0},
  };
  for (const Case& c : cases) {
    const shell::PageRect r = shell::page_rect(c.w, c.h, c.printable, c.dx, c.dy);
    EXPECT_EQ(r.width, c.width) << c.w << 'x' << c.h;
    EXPECT_EQ(r.height, c.height) << c.w << 'x' << c.h;
  }
  EXPECT_TRUE(shell::page_rect(1000, 1, 10, 100, 100).empty());
  EXPECT_TRUE(shell::page_rect(0, 10, 10, 100, 100).empty());
  EXPECT_TRUE(shell::page_rect(10, 10, 0, 100, 100).empty());
  EXPECT_TRUE(shell::page_rect(10, 10, 10, 0, 100).empty());
  EXPECT_TRUE(shell::page_rect(1, 30000, 2000000000, 1, 30000).empty()) << "beyond int";
}

TEST(PrintSetup, FailureReasonChoosesTheMessage) {
  EXPECT_EQ(shell::setup_failure_message(0), std::nullopt) << "cancelled: nothing";
  EXPECT_EQ(shell::setup_failure_message(0x1006), 1);
  EXPECT_EQ(shell::setup_failure_message(0x1008), 2);
  EXPECT_EQ(shell::setup_failure_message(0x1007), 3);
  EXPECT_EQ(shell::setup_failure_message(0x1001), 0);
  EXPECT_EQ(shell::setup_failure_message(0xFFFF), 0);
}

TEST(PrintMessages, TextsFollowReplacementsAndHighNumbersAreInternal) {
  EXPECT_EQ(shell::print_message_text(2), "No Default Printer");
  EXPECT_EQ(shell::print_message_text(8), "Error! Loading printer driver");
  EXPECT_EQ(shell::print_message_text(9), "Print: Internal Error");
  EXPECT_EQ(shell::print_message_text(12345), "Print: Internal Error");
  ASSERT_TRUE(shell::set_shell_text(15, "Kein Drucker"));
  ASSERT_TRUE(shell::set_shell_text(19, "Abbrechen"));
  EXPECT_EQ(shell::print_message_text(2), "Kein Drucker");
  EXPECT_EQ(shell::print_message_text(5), "Abbrechen");
  shell::reset_shell_texts();
}

TEST(PrintMessages, OneMessageAPrintAndNoneAfterCancel) {
  shell::PrintMessages m;
  m.begin();
  EXPECT_EQ(m.take(4), "Print: Printing Error");
  EXPECT_EQ(m.take(9), std::nullopt);
  m.begin();
  m.cancel();
  EXPECT_TRUE(m.cancelled());
  EXPECT_EQ(m.take(4), std::nullopt) << "the user ended this print";
  m.begin();
  EXPECT_FALSE(m.cancelled());
  EXPECT_EQ(m.take(9), "Print: Internal Error");
}

}  // namespace
