// The input-pending state: the reads, key waits and mouse waits now
// waiting for the user. The status bar and the Input item name the newest of them; when it
// ends, the one before it is named again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/frame/shell_texts.h"

namespace shell {

class PendingInputs {
 public:
  struct Entry {
    int id;
    std::string text;  // the status text
    int window;        // window number of the window waited on
  };

  // A wait on window `window` titled `title` begins; returns its id. Its
  // status text is `prefix` (the input-pending text, or the mouse-pending
  // text of a mouse wait; both replaceable by the program) followed by the
  // title.
  int add(std::string_view title, int window, ShellText prefix = ShellText::kInputPending);
  // The wait `id` ended (nothing when it is already gone).
  void remove(int id);
  // Window `window` is gone: every wait on it ends.
  void remove_window(int window);
  // The newest wait, or null when none is pending.
  const Entry* current() const;

 private:
  std::vector<Entry> entries_;
  int next_id_ = 1;
};

}  // namespace shell
