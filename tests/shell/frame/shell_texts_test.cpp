// The shell's replaceable texts: replacing by number, the numbers that do
// nothing, filter lists in pieces, and the state words that follow them.
#include "shell/frame/shell_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using shell::ShellText;

class ShellTexts : public ::testing::Test {
 protected:
  void TearDown() override { shell::reset_shell_texts(); }
};

TEST_F(ShellTexts, ReplacesACopyOfTheText) {
  char text[] = "Stopped";
  EXPECT_TRUE(shell::set_shell_text(3, text));
  text[0] = 'X';  // the caller's buffer may change afterwards
  EXPECT_EQ(shell::shell_text(ShellText::kFinished), "Stopped");
  EXPECT_EQ(shell::state_word(2), "Stopped");
  EXPECT_TRUE(shell::set_shell_text(21, ""));
  EXPECT_EQ(shell::shell_text(ShellText::kHelpNotAvailable), "");
}

TEST_F(ShellTexts, NumbersOutsideTheTableNineAndNullChangeNothing) {
  for (int id : {-1, 0, 9, 22, 1000}) EXPECT_FALSE(shell::set_shell_text(id, "x")) << id;
  EXPECT_FALSE(shell::set_shell_text(5, nullptr));
  EXPECT_EQ(shell::state_word(0), "Running");
  EXPECT_EQ(shell::shell_text(ShellText::kExitCode), "Program Terminated with exit code");
  EXPECT_EQ(shell::shell_text(ShellText::kPrintingCaption), "Printing ");
  EXPECT_EQ(shell::state_word(3), "");
}

TEST_F(ShellTexts, FilterListsArePairsOfNulEndedPieces) {
  using namespace std::string_literals;
  EXPECT_EQ(shell::filter_list(ShellText::kBitmapFilter),
            "Bitmap Files(*.bmp)\0*.bmp\0All Files(*.*)\0*.*\0\0"s);
  struct Case {
    const char* given;
    std::string list;
  } cases[] = {
      {"Pictures;*.bmp", "Pictures\0*.bmp\0\0"s},
      {"A;*.a;B;*.b", "A\0*.a\0B\0*.b\0\0"s},
      {"A;*.a;Lonely name", "A\0*.a\0\0"s},  // an unpaired name would end the list early
      {"A;*.a;", "A\0*.a\0\0"s},
      {"only a name", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(shell::set_shell_text(6, c.given));
    EXPECT_EQ(shell::filter_list(ShellText::kTextFilter), c.list) << c.given;
  }
}

}  // namespace
