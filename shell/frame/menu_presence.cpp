// Presence flags of the removable standard items.
#include "shell/frame/menu_presence.h"

#include <iterator>

namespace shell {

namespace {

constexpr CommandId kRemovable[] = {
    kCmdExit,       kCmdCopy,      kCmdPaste,      kCmdSizeToFit,      kCmdPause,     kCmdInput,
    kCmdClearPaste, kCmdStatusBar, kCmdSelectText, kCmdSelectGraphics, kCmdSelectAll,
};

// Index of the command's flag, or -1. Resume shares Pause's flag.
int flag_index(CommandId command) {
  if (command == kCmdResume) command = kCmdPause;
  for (int i = 0; i < static_cast<int>(std::size(kRemovable)); ++i) {
    if (kRemovable[i] == command) return i;
  }
  return -1;
}

}  // namespace

MenuPresence::MenuPresence() {
  static_assert(std::size(kRemovable) == kFlagCount);
  for (std::size_t i = 0; i < kFlagCount; ++i) flags_[i] = kRemovable[i];
}

bool MenuPresence::is_removable(CommandId command) {
  return flag_index(command) >= 0;
}

bool MenuPresence::present(CommandId command) const {
  const int i = flag_index(command);
  return i < 0 || flags_[i] != 0;
}

void MenuPresence::mark_absent(CommandId command) {
  const int i = flag_index(command);
  if (i >= 0) flags_[i] = 0;
}

void MenuPresence::mark_present(CommandId command) {
  const int i = flag_index(command);
  if (i >= 0) flags_[i] = kRemovable[i];
}

}  // namespace shell
