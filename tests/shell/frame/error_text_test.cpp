// Error box texts: messages by number, captions by level, and the two
// layouts of the box text with its source position.
#include "shell/frame/error_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using shell::ErrorLevel;

TEST(ErrorText, MessagesByNumber) {
  struct Case {
    int number;
    bool settings_hook;
    const char* text;
  } cases[] = {
      {4, false, "Out of Memory"},
      {5, false, "Internal Error - unexpected error"},
      {6, false, "Possible internal inconsistency"},
      {7, false, "INITIALMENU failed"},
      {7, true, "INITIALSETTINGS failed"},
      {4, true, "Out of Memory"},
      {0, false, ""},
      {3, false, ""},
      {8, false, ""},
      {-5, false, ""},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(shell::error_message(c.number, c.settings_hook), c.text) << c.number;
  }
}

TEST(ErrorText, Captions) {
  EXPECT_STREQ(shell::error_caption(ErrorLevel::kWarning), "Tessel Warning");
  EXPECT_STREQ(shell::error_caption(ErrorLevel::kError), "Tessel Error");
  EXPECT_STREQ(shell::error_caption(ErrorLevel::kFatal), "Tessel Fatal Error");
}

TEST(ErrorText, BoxTextLayouts) {
  EXPECT_EQ(shell::error_box_text("Out of Memory", "shell\\frame.cpp", 120, false),
            "Out of Memory\nfile \"shell\\frame.cpp\", line 120");
  EXPECT_EQ(shell::error_box_text("Out of Memory", "shell\\frame.cpp", 120, true),
            "Out of Memory, file \"shell\\frame.cpp\", line 120");
  EXPECT_EQ(shell::error_box_text(ErrorLevel::kWarning, 6, "a.cpp", 7),
            "Possible internal inconsistency\nfile \"a.cpp\", line 7");
  EXPECT_EQ(shell::error_box_text(ErrorLevel::kError, 7, "w.cpp", -1, true),
            "INITIALSETTINGS failed\nfile \"w.cpp\", line -1");
  EXPECT_EQ(shell::error_box_text(ErrorLevel::kFatal, 5, "c.cpp", 3),
            "Internal Error - unexpected error, file \"c.cpp\", line 3");
}

TEST(ErrorText, MessageAndPathAreCopiedAsText) {
  const std::string long_path(1000, 'p');
  const std::string text = shell::error_box_text("100%s %d %n", long_path, 42, false);
  EXPECT_EQ(text, "100%s %d %n\nfile \"" + long_path + "\", line 42");
}

}  // namespace
