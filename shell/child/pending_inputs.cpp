// The list of pending inputs.
#include "shell/child/pending_inputs.h"

#include <algorithm>

#include "shell/frame/shell_texts.h"

namespace shell {

int PendingInputs::add(std::string_view title, int window, ShellText prefix) {
  const int id = next_id_++;
  entries_.push_back(Entry{id, shell_text(prefix) + std::string(title), window});
  return id;
}

void PendingInputs::remove(int id) {
  entries_.erase(
      std::remove_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; }),
      entries_.end());
}

void PendingInputs::remove_window(int window) {
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                [window](const Entry& e) { return e.window == window; }),
                 entries_.end());
}

const PendingInputs::Entry* PendingInputs::current() const {
  return entries_.empty() ? nullptr : &entries_.back();
}

}  // namespace shell
