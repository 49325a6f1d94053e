// Showing, saving and withdrawing the status message.
#include "shell/frame/status_message.h"

namespace shell {

void StatusMessages::set(const char* text) {
  if (text != nullptr) {
    if (has_shown_ && input_pending_) {
      saved_ = text;
      return;
    }
    if (has_shown_) saved_ = shown_;  // an older saved message is discarded
    shown_ = text;
    has_shown_ = true;
    return;
  }
  if (input_pending_) {
    saved_.reset();
    return;
  }
  has_shown_ = saved_.has_value();
  shown_ = saved_.value_or(std::string());
  saved_.reset();
}

}  // namespace shell
