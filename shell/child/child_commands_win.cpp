// Command dispatch in the active child. In help mode a command shows its
// help topic instead; a user item runs its routine with the item's check
// state, and does nothing while the program is paused.
#include "shell/child/child_commands_win.h"

#include <mutex>

#include "shell/child/child_view_win.h"
#include "shell/child/full_screen_win.h"
#include "shell/child/input_pending_win.h"
#include "shell/edit/clipboard_win.h"
#include "shell/edit/select_mode_win.h"
#include "shell/frame/frame_window_win.h"
#include "shell/frame/menu_bar_win.h"
#include "shell/frame/menu_lock_win.h"
#include "shell/frame/program_state_win.h"
#include "shell/graphics/print_command_win.h"
#include "shell/graphics/save_command_win.h"
#include "shell/startup/shell_state_win.h"

namespace shell {
namespace {

void toggle_status_bar() {
  ShellState& s = shell_state();
  s.status_bar_shown = !s.status_bar_shown;
  lay_out_frame();
  set_status_bar_check(s.status_bar_shown);
  if (s.status_bar_shown) {
    show_state_word_again();
  }
}

void run_user_item(int command) {
  MenuRoutine routine = nullptr;
  std::int32_t checked = 0;
  {
    std::lock_guard<std::recursive_mutex> lock(menu_lock());
    const bool paused = shell_state().program_state.load() == kProgramStatePaused;
    routine = menu_model().routine_for(static_cast<CommandId>(command), paused);
    checked = menu_model().check_state(static_cast<CommandId>(command));
  }
  if (routine != nullptr) routine(&checked);
}

bool enabled_in_bar(CommandId command) {
  std::lock_guard<std::recursive_mutex> lock(menu_lock());
  return menu_model().enabled_in_bar(command);
}

}  // namespace

bool item_present(int command) {
  std::lock_guard<std::recursive_mutex> lock(menu_lock());
  return menu_model().presence().present(static_cast<CommandId>(command));
}

bool on_menu_key(HWND child, int key, bool alt) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  CommandId command = 0;
  if (alt && key == VK_RETURN) command = kCmdFullScreen;
  if (!alt && key == VK_INSERT && ctrl) command = kCmdCopy;
  if (!alt && key == VK_INSERT && shift) command = kCmdPaste;
  if (command == 0 || !enabled_in_bar(command)) return false;
  on_child_command(child, command);
  return true;
}

void on_child_command(HWND child, int command) {
  if (in_help_mode()) {
    show_help_for_command(command);
    return;
  }
  HWND mdi = shell_state().mdi_client;
  switch (command) {
    case kCmdExit:
      ExitCommand();
      return;
    case kCmdSizeToFit:
      if (!in_select_mode(child)) toggle_size_to_fit(child);
      return;
    case kCmdFullScreen:
      if (!in_select_mode(child)) toggle_full_screen(child);
      return;
    case kCmdPause:
      pause_command();
      return;
    case kCmdResume:
      resume_command();
      return;
    case kCmdCascade:
      SendMessageA(mdi, WM_MDICASCADE, 0, 0);
      return;
    case kCmdTile:
      SendMessageA(mdi, WM_MDITILE, 0, 0);
      return;
    case kCmdArrangeIcons:
      SendMessageA(mdi, WM_MDIICONARRANGE, 0, 0);
      return;
    case kCmdStatusBar:
      toggle_status_bar();
      return;
    case kCmdContents:
      open_help(0);
      return;
    case kCmdUsingHelp:
      open_help(-1);
      return;
    case kCmdAbout:
      show_about_box();
      return;
    case kCmdInput:
      activate_input_window();
      return;
    case kCmdPrint:
      print_command(child);
      return;
    case kCmdSave:
      save_command(child);
      return;
    case kCmdCopy:
      copy_command(child);
      return;
    case kCmdPaste:
      paste_command();
      return;
    case kCmdClearPaste:
      clear_paste_command();
      return;
    case kCmdSelectText:
      select_command(child, SelectKind::kText);
      return;
    case kCmdSelectGraphics:
      select_command(child, SelectKind::kGraphics);
      return;
    case kCmdSelectAll:
      select_all_command(child);
      return;
    default:
      break;
  }
  if (command >= kCmdFirstUser) run_user_item(command);
}

}  // namespace shell
