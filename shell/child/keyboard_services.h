// The keyboard services of the calling thread's active window, declared
// without platform headers so that the program can call them.
#pragma once

#include <cstdint>

// Waits for one key in the active window and returns its code: the
// character, or 0xE000 + a code for a function key and 0xF000 + a code for a
// direction key (with PASSDIRKEYSQQ on). 0 when there is no active window
// or it is destroyed during the wait; -1 when the GUI thread already waits
// for a key in it.
std::int16_t INCHAR();

// Passes the direction keys and F1 ... F10 of the active window to the
// program as key codes (flag non-zero) or lets them scroll (0); returns the
// previous flag, or 0 when there is no active window.
std::int16_t PASSDIRKEYSQQ(std::int16_t flag);
