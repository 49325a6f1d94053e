// SETMESSAGEQQ: a replaced text that the status bar shows at the time is
// shown anew there; every other text is read where it is used.
#include <string>

#include "shell/frame/program_state_win.h"
#include "shell/frame/shell_texts.h"
#include "shell/frame/status_bar_win.h"

using namespace shell;

void SETMESSAGEQQ(const char* text, std::int32_t id) {
  const bool pending_text = id == static_cast<int>(ShellText::kInputPending) ||
                            id == static_cast<int>(ShellText::kMousePending);
  const std::string old = pending_text ? shell_text(static_cast<ShellText>(id)) : std::string();
  if (!set_shell_text(id, text)) return;
  switch (static_cast<ShellText>(id)) {
    case ShellText::kFinished:
    case ShellText::kPaused:
    case ShellText::kRunning:
      show_state_word_again();
      break;
    case ShellText::kInputPending:
    case ShellText::kMousePending:
      replace_message_prefix(old, text);
      break;
    default:
      break;
  }
}
