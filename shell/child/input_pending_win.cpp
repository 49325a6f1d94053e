// Showing and withdrawing the input-pending state. The program's own status
// message is kept meanwhile and comes back when the last wait ends.
#include "shell/child/input_pending_win.h"

#include <atomic>
#include <mutex>
#include <optional>

#include "shell/child/keyboard_input_win.h"
#include "shell/child/pending_inputs.h"
#include "shell/frame/menu_bar_win.h"
#include "shell/frame/program_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/window_table_win.h"

namespace shell {
namespace {

// Under keyboard_lock(), which the pause also takes, so that no program
// thread is stopped while it changes them. The menu lock is taken under it,
// so nothing under the menu lock takes it (input_pending reads the atomic).
PendingInputs g_pending;
std::atomic<bool> g_any{false};

std::optional<std::string> shown_text() {
  const PendingInputs::Entry* e = g_pending.current();
  return e != nullptr ? std::optional<std::string>(e->text) : std::nullopt;
}

// Brings the status bar and the Input item from `before` to what is now
// pending. The program's message is saved while input is pending.
void show_change(const std::optional<std::string>& before) {
  const std::optional<std::string> after = shown_text();
  g_any.store(after.has_value());
  if (before == after) return;
  if (before) {
    set_input_pending(false);
    SetStatusText(nullptr);
  }
  if (after) {
    SetStatusText(after->c_str());
    set_input_pending(true);
  }
  if (before.has_value() != after.has_value()) set_input_item_enabled(after.has_value());
}

}  // namespace

int begin_pending_input(const std::string& title, int window, ShellText prefix) {
  std::lock_guard<std::mutex> lock(keyboard_lock());
  const std::optional<std::string> before = shown_text();
  const int id = g_pending.add(title, window, prefix);
  show_change(before);
  return id;
}

void end_pending_input(int id) {
  std::lock_guard<std::mutex> lock(keyboard_lock());
  const std::optional<std::string> before = shown_text();
  g_pending.remove(id);
  show_change(before);
}

void forget_pending_inputs(int window) {
  std::lock_guard<std::mutex> lock(keyboard_lock());
  const std::optional<std::string> before = shown_text();
  g_pending.remove_window(window);
  show_change(before);
}

bool input_pending() {
  return g_any.load();
}

void activate_input_window() {
  int window = kNoWindow;
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    if (const PendingInputs::Entry* e = g_pending.current()) window = e->window;
  }
  if (window != kNoWindow) ActivateChild(window);
}

}  // namespace shell
