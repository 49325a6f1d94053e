// Keyboard input: this program reads no input from its windows, so a read
// from a window unit ends as an input error that the run-time reports, and
// typed characters have nowhere to go.
#include "shell/child/keyboard_input_win.h"

namespace shell {

void set_keyboard_buffer(int, char*, int) {}

bool read_window_line(int, std::string&) {
  return false;
}

bool deliver_key_to_waiting_read(HWND, int) {
  return false;
}

}  // namespace shell
