// The shell's menu tables: text order, the two menu bars, the Pause/Resume
// item, the standard routines and the help topics.
#include "shell/frame/menu_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace shell;

TEST(MenuTexts, TableOrderAndKeyTexts) {
  ASSERT_EQ(standard_menu_texts().size(), 27u);
  EXPECT_STREQ(standard_menu_texts().front(), "&Print...");
  EXPECT_STREQ(standard_menu_texts().back(), "Select &All");
  EXPECT_STREQ(menu_text(MenuText::kExit), "E&xit\tCtrl+C");
  EXPECT_STREQ(menu_text(MenuText::kFullScreen), "&Full Screen\tAlt+Enter");
  EXPECT_STREQ(menu_text(MenuText::kClearPaste), "C&lear Paste");
  EXPECT_STREQ(menu_text(MenuText::kFile), "&File");
  EXPECT_STREQ(menu_text(MenuText::kSelectText), "Select &Text");
}

TEST(StandardMenuBar, MenusItemsAndCommandsInOrder) {
  struct Expected {
    const char* title;
    std::vector<CommandId> commands;
  } expected[] = {
      {"&File", {kCmdPrint, kCmdSave, kCmdExit}},
      {"&Edit", {kCmdSelectText, kCmdSelectGraphics, kCmdSelectAll, kCmdCopy, kCmdPaste}},
      {"&View", {kCmdSizeToFit, kCmdFullScreen}},
      {"&State", {kCmdPause}},
      {"&Window",
       {kCmdCascade, kCmdTile, kCmdArrangeIcons, kCmdInput, kCmdClearPaste, kCmdStatusBar}},
      {"&Help", {kCmdContents, kCmdUsingHelp, kCmdAbout}},
  };
  const std::vector<MenuSpec>& bar = standard_menu_bar();
  ASSERT_EQ(bar.size(), std::size(expected));
  for (std::size_t m = 0; m < bar.size(); ++m) {
    EXPECT_STREQ(bar[m].title, expected[m].title);
    ASSERT_EQ(bar[m].items.size(), expected[m].commands.size()) << expected[m].title;
    for (std::size_t i = 0; i < bar[m].items.size(); ++i) {
      EXPECT_EQ(bar[m].items[i].command, expected[m].commands[i]);
      EXPECT_TRUE(is_standard_command(bar[m].items[i].command));
    }
  }
  EXPECT_STREQ(bar[kStandardWindowMenu - 1].title, "&Window");
}

TEST(StandardMenuBar, OnlyInputIsMadeGreyAndTextsComeFromTheTable) {
  const std::set<std::string> table(standard_menu_texts().begin(), standard_menu_texts().end());
  for (const MenuSpec& menu : standard_menu_bar()) {
    for (const MenuItemSpec& item : menu.items) {
      EXPECT_EQ(item.grey, item.command == kCmdInput) << item.text;
      EXPECT_EQ(table.count(item.text), 1u) << item.text;
    }
  }
}

TEST(MinimalMenuBar, FileWithExitTen) {
  const std::vector<MenuSpec>& bar = minimal_menu_bar();
  ASSERT_EQ(bar.size(), 1u);
  EXPECT_STREQ(bar[0].title, "&File");
  ASSERT_EQ(bar[0].items.size(), 1u);
  EXPECT_STREQ(bar[0].items[0].text, "E&xit");
  EXPECT_EQ(bar[0].items[0].command, 10);
  EXPECT_FALSE(bar[0].items[0].grey);
}

TEST(PauseItem, TextAndCommandFollowTheState) {
  EXPECT_STREQ(pause_item(false).text, "&Pause\tCtrl+S");
  EXPECT_EQ(pause_item(false).command, 1008);
  EXPECT_STREQ(pause_item(true).text, "&Resume\tCtrl+Q");
  EXPECT_EQ(pause_item(true).command, 1009);
}

TEST(StandardCommands, GapsAndNeighboursAreNotStandard) {
  for (CommandId c : {0, 10, 999, 1005, 1013, 1014, 1024, 1100, 1101}) {
    EXPECT_FALSE(is_standard_command(c)) << c;
  }
  for (CommandId c : {1000, 1004, 1006, 1012, 1015, 1023}) EXPECT_TRUE(is_standard_command(c)) << c;
}

TEST(StandardRoutines, DistinctStandardCommandsAndNulHasNone) {
  using R = StandardRoutine;
  std::set<CommandId> seen;
  for (int r = static_cast<int>(R::WINPRINT); r < static_cast<int>(R::NUL); ++r) {
    const std::optional<CommandId> command = standard_routine_command(static_cast<R>(r));
    ASSERT_TRUE(command) << r;
    EXPECT_TRUE(is_standard_command(*command)) << r;
    seen.insert(*command);
  }
  EXPECT_EQ(seen.size(), 20u);
  EXPECT_EQ(standard_routine_command(R::NUL), std::nullopt);
  EXPECT_EQ(standard_routine_command(R::WINSTATE), kCmdPause);
  EXPECT_EQ(standard_routine_command(R::WININDEX), kCmdContents);
  EXPECT_EQ(standard_routine_command(R::WINSTATUS), kCmdStatusBar);
  EXPECT_EQ(standard_routine_command(R::WINARRANGE), kCmdArrangeIcons);
}

TEST(HelpTopics, TopicsDifferFromCommandsAndSomeCommandsHaveNone) {
  const std::pair<CommandId, std::int32_t> samples[] = {
      {kCmdExit, 1000},      {kCmdArrangeIcons, 1009}, {kCmdPause, 1012}, {kCmdResume, 1013},
      {kCmdStatusBar, 1008}, {kCmdInput, 1004},        {kCmdPrint, 1017}, {kCmdClearPaste, 1014},
  };
  for (const auto& [command, topic] : samples) EXPECT_EQ(help_topic(command), topic) << command;
  for (CommandId c : {kCmdSelectText, kCmdSelectGraphics, kCmdSelectAll, kCmdContents,
                      kCmdUsingHelp, kCmdMinimalExit, kCmdFirstUser}) {
    EXPECT_EQ(help_topic(c), std::nullopt) << c;
  }
}

}  // namespace
