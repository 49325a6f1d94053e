// The states the standard items should show when a menu opens, worked out
// from the program's state and the active child's: which items are grey,
// which carry a check mark, and what the Pause/Resume item reads.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "shell/frame/menu_presence.h"
#include "shell/frame/menu_table.h"

namespace shell {

// Selection in the active child: none, select mode with nothing marked yet
// (or still being marked), or select mode with a marked selection.
enum class MenuSelection { kNone, kMarking, kMarked };

struct ItemStateInputs {
  std::int32_t program_state = 0;  // 0 Running, 1 Paused, 2 Finished
  bool paste_in_progress = false;  // pasted text is being fed as input
  bool clipboard_has_text = false;
  MenuSelection selection = MenuSelection::kNone;
  bool fit_mode = false;       // the active child is sized to fit
  bool full_screen = false;    // the active child is shown full screen
  bool input_pending = false;  // a read or a key or mouse wait on some child
  bool status_bar_shown = true;
};

struct ItemStateUpdate {
  CommandId command;
  std::optional<bool> grey;     // empty: leave grey/enabled as it is
  std::optional<bool> checked;  // empty: leave the check mark as it is
};

struct ItemStates {
  // Only items that are present; Full Screen, which is not tracked, always.
  std::vector<ItemStateUpdate> items;
  // Text and command for the Pause/Resume item (found by either command),
  // keeping its grey or enabled state; empty when it is to stay unchanged
  // (Finished, or the item was deleted).
  std::optional<PauseItem> pause_item;
};

ItemStates item_states(const ItemStateInputs& inputs, const MenuPresence& presence);

}  // namespace shell
