// The input-pending state on screen: while a read or key wait waits, the
// status bar names its window ("Input pending in " and the title) instead of
// the program's message, and the Input item is enabled; choosing Input
// activates that window.
#pragma once

#include <string>

#include "shell/frame/shell_texts.h"

namespace shell {

// A wait on window `window` titled `title` begins; returns its id. A mouse
// wait names the window with the mouse-pending text.
int begin_pending_input(const std::string& title, int window,
                        ShellText prefix = ShellText::kInputPending);
// The wait `id` ended.
void end_pending_input(int id);
// Window `window` is gone: the waits on it no longer show.
void forget_pending_inputs(int window);

// Some read, key wait or mouse wait is pending (safe under the menu lock).
bool input_pending();
// The Input command: activates the window named in the input-pending state.
void activate_input_window();

}  // namespace shell
