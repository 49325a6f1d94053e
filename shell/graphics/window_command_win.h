// What File > Print... and File > Save... share: the active child's record,
// its drawing lock held to the end of the command (unless the program is
// paused, when a suspended thread may hold it), and one such command at a
// time: their dialogs serve the thread's messages, and a command arriving
// meanwhile (a posted menu command, a second click) must not start a second
// print or save inside the first. Used on the GUI thread only.
#pragma once

#include <windows.h>

#include <optional>

#include "shell/child/child_record_win.h"
#include "shell/startup/shell_state_win.h"

namespace shell {

class WindowCommand {
 public:
  explicit WindowCommand(HWND child) : record_(running() ? nullptr : child_record(child)) {
    if (record_ == nullptr) return;
    running() = true;
    if (shell_state().program_state.load() != kProgramStatePaused)
      draw_.emplace(record_->drawing_lock);
  }
  ~WindowCommand() {
    if (record_ != nullptr) running() = false;
  }
  WindowCommand(const WindowCommand&) = delete;
  WindowCommand& operator=(const WindowCommand&) = delete;
  // The window to act on; null when there is none or another print or save
  // is running.
  ChildRecord* window() const { return record_; }

 private:
  static bool& running() {
    static bool flag = false;
    return flag;
  }
  ChildRecord* record_;
  std::optional<Locked> draw_;
};

}  // namespace shell
