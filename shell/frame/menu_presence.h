// Which removable standard items are still in the menus. Keys (Ctrl+C,
// Ctrl+S, Ctrl+Q) and item state updates act on such an item only while it is
// present; deleting the item by itself marks it absent, deleting its whole
// menu does not, and attaching its standard routine again marks it present.
#pragma once

#include <array>
#include <cstddef>

#include "shell/frame/menu_table.h"

namespace shell {

class MenuPresence {
 public:
  MenuPresence();  // every removable item present, as in the standard menu bar

  // Exit, Copy, Paste, Size To Fit, Pause/Resume, Input, Clear Paste, Status
  // Bar and the three Select items. Pause and Resume share one flag.
  static bool is_removable(CommandId command);

  // A removable item's flag; items that are not removable are not tracked and
  // count as present.
  bool present(CommandId command) const;
  void mark_absent(CommandId command);
  void mark_present(CommandId command);

 private:
  static constexpr std::size_t kFlagCount = 11;
  // The command number while present, 0 once absent (Pause/Resume holds 1008).
  std::array<CommandId, kFlagCount> flags_;
};

}  // namespace shell
