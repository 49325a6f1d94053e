// Item states of the standard menu items.
#include "shell/frame/menu_states.h"

namespace shell {

namespace {

constexpr std::int32_t kRunning = 0;
constexpr std::int32_t kPaused = 1;

void add(ItemStates& states, const MenuPresence& presence, CommandId command,
         std::optional<bool> grey, std::optional<bool> checked = std::nullopt) {
  if (presence.present(command)) states.items.push_back({command, grey, checked});
}

}  // namespace

ItemStates item_states(const ItemStateInputs& in, const MenuPresence& presence) {
  ItemStates states;
  const bool selecting = in.selection != MenuSelection::kNone;
  // Select mode, fit mode and full screen all work on the child's own view,
  // so starting another selection or pasting is refused meanwhile.
  const bool view_busy = selecting || in.fit_mode || in.full_screen;

  add(states, presence, kCmdInput, !in.input_pending);
  add(states, presence, kCmdPaste, in.paste_in_progress || !in.clipboard_has_text || view_busy);
  add(states, presence, kCmdClearPaste, !in.paste_in_progress);
  add(states, presence, kCmdCopy, in.selection != MenuSelection::kMarked);
  add(states, presence, kCmdSelectText, view_busy);
  add(states, presence, kCmdSelectGraphics, view_busy);
  add(states, presence, kCmdSelectAll, view_busy);
  add(states, presence, kCmdSizeToFit, selecting, in.fit_mode);
  add(states, presence, kCmdFullScreen, selecting);
  add(states, presence, kCmdStatusBar, std::nullopt, in.status_bar_shown);

  if (presence.present(kCmdPause)) {
    if (in.program_state == kRunning) states.pause_item = pause_item(false);
    if (in.program_state == kPaused) states.pause_item = pause_item(true);
  }
  return states;
}

}  // namespace shell
