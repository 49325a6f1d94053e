// Presence flags of the removable standard items.
#include "shell/frame/menu_presence.h"

#include <gtest/gtest.h>

namespace {

using namespace shell;

constexpr CommandId kRemovable[] = {
    kCmdExit,  kCmdCopy,       kCmdPaste,     kCmdSizeToFit,  kCmdPause,          kCmdResume,
    kCmdInput, kCmdClearPaste, kCmdStatusBar, kCmdSelectText, kCmdSelectGraphics, kCmdSelectAll};
constexpr CommandId kUntracked[] = {kCmdPrint, kCmdSave,         kCmdFullScreen, kCmdCascade,
                                    kCmdTile,  kCmdArrangeIcons, kCmdContents,   kCmdUsingHelp,
                                    kCmdAbout, kCmdMinimalExit,  kCmdFirstUser};

TEST(MenuPresence, RemovableItemsGoAndComeBack) {
  for (CommandId c : kRemovable) {
    MenuPresence presence;
    EXPECT_TRUE(MenuPresence::is_removable(c)) << c;
    EXPECT_TRUE(presence.present(c)) << c;
    presence.mark_absent(c);
    EXPECT_FALSE(presence.present(c)) << c;
    presence.mark_present(c);
    EXPECT_TRUE(presence.present(c)) << c;
  }
}

TEST(MenuPresence, OtherCommandsAreNotTrackedAndStayPresent) {
  MenuPresence presence;
  for (CommandId c : kUntracked) {
    EXPECT_FALSE(MenuPresence::is_removable(c)) << c;
    presence.mark_absent(c);
    EXPECT_TRUE(presence.present(c)) << c;
  }
}

TEST(MenuPresence, PauseAndResumeShareOneFlag) {
  MenuPresence presence;
  presence.mark_absent(kCmdResume);
  EXPECT_FALSE(presence.present(kCmdPause));
  presence.mark_present(kCmdPause);
  EXPECT_TRUE(presence.present(kCmdResume));
}

TEST(MenuPresence, FlagsAreIndependent) {
  MenuPresence presence;
  presence.mark_absent(kCmdExit);
  for (CommandId c : kRemovable) EXPECT_EQ(presence.present(c), c != kCmdExit) << c;
}

}  // namespace
