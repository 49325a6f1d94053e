// Keyboard input for reads from a child window.
#pragma once

#include <windows.h>

#include <string>

namespace shell {

// A Write in mode 1 hands the keyboard reader another input buffer.
void set_keyboard_buffer(int window, char* buffer, int length);

// Reads one line typed in window `window`; false when no line can be read.
bool read_window_line(int window, std::string& line);

// Gives a typed character to a read or key wait pending on `child`; false
// when none is pending.
bool deliver_key_to_waiting_read(HWND child, int character);

}  // namespace shell
