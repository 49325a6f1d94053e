// Selection, copy and paste as a person uses them, in a program that keeps
// the shell's standard menus: Edit > Select All and Edit > Copy put the
// window's text on the clipboard, State > Resume ends select mode, and
// Edit > Paste types clipboard text into the program's read.
#include <gtest/gtest.h>

#include <string>

#include "e2e/driver.h"
#include "e2e/standard_menus_program.h"

namespace {

using namespace driver;

constexpr int kCmdSelectAll = 1003;
constexpr int kCmdCopy = 1004;
constexpr int kCmdPaste = 1021;

// The program started and waiting to read its first line.
class SelectCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program.started());
    frame = wait_for_window(program.id(), "bvrank_standard_menusFRAME", nullptr, kPatience);
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(wait_until([&] { return status_message(frame).rfind("Input pending in ", 0) == 0; },
                           kPatience))
        << status_message(frame);
    HWND client = mdi_client(frame);
    window = client == nullptr ? nullptr : GetWindow(client, GW_CHILD);
    ASSERT_NE(window, nullptr);
    title = window_text(window);
  }

  // Edit > Select All, then what the window and its menus show.
  void select_all() {
    ASSERT_TRUE(send_command(frame, kCmdSelectAll));
    ASSERT_TRUE(wait_until([&] { return status_word(frame) == "Paused"; }, kPatience));
    EXPECT_EQ(window_text(window), "Select Text - " + title);
    EXPECT_FALSE(menu_item_greyed(frame, kCmdCopy));
    EXPECT_TRUE(menu_item_greyed(frame, kCmdSelectAll));
  }

  void expect_select_mode_ended() {
    EXPECT_TRUE(wait_until([&] { return status_word(frame) == "Running"; }, kPatience));
    EXPECT_EQ(window_text(window), title);
    EXPECT_TRUE(menu_item_greyed(frame, kCmdCopy));
    EXPECT_FALSE(menu_item_greyed(frame, kCmdSelectAll));
  }

  TempDir dir;
  Process program{BVRANK_E2E_STANDARD_MENUS, "", dir.path()};
  HWND frame = nullptr;
  HWND window = nullptr;
  std::string title;
};

std::string screen_text() {
  std::string text;
  for (const char* line : standard_menus::kLines) text += std::string(line) + "\r\n";
  return text;
}

TEST_F(SelectCopyTest, SelectAllAndCopyPutTheScreenTextOnTheClipboard) {
  ASSERT_TRUE(set_clipboard_text("before"));
  select_all();
  ASSERT_TRUE(send_command(frame, kCmdCopy));
  EXPECT_EQ(clipboard_text(), screen_text());
  expect_select_mode_ended();
}

TEST_F(SelectCopyTest, ResumeEndsSelectModeWithoutCopying) {
  ASSERT_TRUE(set_clipboard_text("before"));
  select_all();
  ASSERT_TRUE(send_command(frame, 1009));  // State > Resume
  expect_select_mode_ended();
  EXPECT_EQ(clipboard_text(), "before");
}

TEST_F(SelectCopyTest, PastedTextIsTypedIntoTheProgramsRead) {
  ASSERT_TRUE(set_clipboard_text("typed\r\n"));
  ASSERT_TRUE(send_command(frame, kCmdPaste));
  const std::string echoed = std::string("typed\r\n") + standard_menus::kEchoPrefix + "typed\r\n";
  // The program reads the line, writes it back and waits for the next one.
  EXPECT_TRUE(wait_until(
      [&] {
        if (!send_command(frame, kCmdSelectAll) || !send_command(frame, kCmdCopy)) return false;
        if (clipboard_text() == screen_text() + echoed) return true;
        Sleep(100);  // the program's turn to read and write
        return false;
      },
      kPatience))
      << clipboard_text();
}

}  // namespace
