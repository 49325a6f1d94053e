// The status bar along the bottom of the frame: a pane with the program
// state's word and a pane with the status message.
#pragma once

#include <windows.h>

#include <string>

namespace shell {

bool register_status_bar_class();
HWND create_status_bar(HWND frame);
// The larger of the caption height and the status font height plus 6.
int status_bar_height();
// Shows the state word of `state` (0 Running, 1 Paused, 2 Finished).
void show_state_word(int state);
// Shows `text` in the message pane.
void show_status_message(const char* text);
// When the message pane's text begins with `old_prefix` (an input-pending
// text whose wording was just replaced), shows it with `new_prefix` instead.
void replace_message_prefix(const std::string& old_prefix, const std::string& new_prefix);

}  // namespace shell
