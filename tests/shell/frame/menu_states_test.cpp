// States of the standard items when a menu opens.
#include "shell/frame/menu_states.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace shell;

// The update for `command`, or none.
std::optional<ItemStateUpdate> update_for(const ItemStates& states, CommandId command) {
  for (const ItemStateUpdate& u : states.items) {
    if (u.command == command) return u;
  }
  return std::nullopt;
}

// Grey state of `command` in the result; fails the test when it is missing.
bool grey(const ItemStates& states, CommandId command) {
  const std::optional<ItemStateUpdate> u = update_for(states, command);
  EXPECT_TRUE(u && u->grey) << command;
  return u && u->grey && *u->grey;
}

TEST(ItemStates, PlainRunningWindow) {
  ItemStateInputs in;
  in.clipboard_has_text = true;
  const ItemStates s = item_states(in, MenuPresence());
  EXPECT_TRUE(grey(s, kCmdInput));
  EXPECT_FALSE(grey(s, kCmdPaste));
  EXPECT_TRUE(grey(s, kCmdClearPaste));
  EXPECT_TRUE(grey(s, kCmdCopy));
  for (CommandId c :
       {kCmdSelectText, kCmdSelectGraphics, kCmdSelectAll, kCmdSizeToFit, kCmdFullScreen}) {
    EXPECT_FALSE(grey(s, c)) << c;
  }
  EXPECT_EQ(update_for(s, kCmdSizeToFit)->checked, false);
  EXPECT_EQ(update_for(s, kCmdStatusBar)->checked, true);
  EXPECT_EQ(update_for(s, kCmdStatusBar)->grey, std::nullopt);  // never greyed
  ASSERT_TRUE(s.pause_item);
  EXPECT_EQ(s.pause_item->command, kCmdPause);
}

TEST(ItemStates, PauseItemFollowsTheProgramState) {
  ItemStateInputs in;
  in.program_state = 1;
  ItemStates s = item_states(in, MenuPresence());
  ASSERT_TRUE(s.pause_item);
  EXPECT_EQ(s.pause_item->command, kCmdResume);
  EXPECT_EQ(std::string(s.pause_item->text), "&Resume\tCtrl+Q");
  in.program_state = 2;
  EXPECT_FALSE(item_states(in, MenuPresence()).pause_item);  // Finished: left as it is
}

TEST(ItemStates, InputAndPaste) {
  struct Case {
    bool input_pending, paste_in_progress, clipboard;
    bool input_grey, paste_grey, clear_grey;
  } cases[] = {
      {false, false, false, true, true, true},
      {true, false, false, false, true, true},
      {false, false, true, true, false, true},
      {false, true, true, true, true, false},  // pasting: Paste grey even with text
      {true, true, false, false, true, false},
  };
  for (const Case& c : cases) {
    ItemStateInputs in;
    in.input_pending = c.input_pending;
    in.paste_in_progress = c.paste_in_progress;
    in.clipboard_has_text = c.clipboard;
    const ItemStates s = item_states(in, MenuPresence());
    EXPECT_EQ(grey(s, kCmdInput), c.input_grey);
    EXPECT_EQ(grey(s, kCmdPaste), c.paste_grey);
    EXPECT_EQ(grey(s, kCmdClearPaste), c.clear_grey);
  }
}

TEST(ItemStates, SelectionFitModeAndFullScreen) {
  struct Case {
    MenuSelection selection;
    bool fit, full;
    bool select_grey, paste_grey, copy_grey, view_grey;
  } cases[] = {
      {MenuSelection::kNone, false, false, false, false, true, false},
      {MenuSelection::kMarking, false, false, true, true, true, true},
      {MenuSelection::kMarked, false, false, true, true, false, true},
      {MenuSelection::kNone, true, false, true, true, true, false},
      {MenuSelection::kNone, false, true, true, true, true, false},
      {MenuSelection::kMarked, true, false, true, true, false, true},
  };
  for (const Case& c : cases) {
    ItemStateInputs in;
    in.clipboard_has_text = true;
    in.selection = c.selection;
    in.fit_mode = c.fit;
    in.full_screen = c.full;
    const ItemStates s = item_states(in, MenuPresence());
    const int row = static_cast<int>(&c - cases);
    for (CommandId sel : {kCmdSelectText, kCmdSelectGraphics, kCmdSelectAll}) {
      EXPECT_EQ(grey(s, sel), c.select_grey) << row;
    }
    EXPECT_EQ(grey(s, kCmdPaste), c.paste_grey) << row;
    EXPECT_EQ(grey(s, kCmdCopy), c.copy_grey) << row;
    EXPECT_EQ(grey(s, kCmdSizeToFit), c.view_grey) << row;
    EXPECT_EQ(grey(s, kCmdFullScreen), c.view_grey) << row;
    EXPECT_EQ(update_for(s, kCmdSizeToFit)->checked, c.fit) << row;
  }
}

TEST(ItemStates, AbsentItemsAreLeftAlone) {
  MenuPresence presence;
  presence.mark_absent(kCmdInput);
  presence.mark_absent(kCmdResume);
  presence.mark_absent(kCmdStatusBar);
  ItemStateInputs in;
  in.program_state = 1;
  const ItemStates s = item_states(in, presence);
  EXPECT_FALSE(update_for(s, kCmdInput));
  EXPECT_FALSE(update_for(s, kCmdStatusBar));
  EXPECT_FALSE(s.pause_item);
  EXPECT_TRUE(update_for(s, kCmdFullScreen));  // not tracked: always brought up to date
  EXPECT_TRUE(update_for(s, kCmdCopy));
}

}  // namespace
