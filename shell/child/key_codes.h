// Key codes that key waits and PASSDIRKEYSQQ hand to the program: a typed
// character is its own code; function keys are 0xE000 + a code and
// direction keys 0xF000 + a code, each with its Shift and Ctrl variants.
#pragma once

#include <cstdint>

namespace shell {

// The keys that have codes of their own.
enum class NamedKey { kPageUp, kPageDown, kEnd, kHome, kLeft, kUp, kRight, kDown };

// F1 ... F12 (n = 1 ... 12); Ctrl wins over Shift. 0 for any other n.
std::uint16_t function_key_code(int n, bool shift, bool ctrl);

// A direction key; Shift makes no difference.
std::uint16_t direction_key_code(NamedKey key, bool ctrl);

}  // namespace shell
