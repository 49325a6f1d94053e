// The status bar's message: a new message replaces the shown one, which is
// saved to be shown again when the new one is withdrawn. While a read waits
// for keyboard input, a new message is only saved, and withdrawing discards
// the saved one.
#pragma once

#include <optional>
#include <string>

namespace shell {

class StatusMessages {
 public:
  // SetStatusText with `text`, or without one (null) to withdraw.
  void set(const char* text);
  void set_input_pending(bool pending) { input_pending_ = pending; }
  bool input_pending() const { return input_pending_; }
  // The message to show; empty when none.
  const std::string& shown() const { return shown_; }

 private:
  std::string shown_;
  bool has_shown_ = false;
  std::optional<std::string> saved_;
  bool input_pending_ = false;
};

}  // namespace shell
