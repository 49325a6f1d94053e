// Pasted text as keyboard input: what a keyboard read asks of the paste
// buffer. Reads take pasted text before they wait for typed keys, and a
// paste made while a read waits wakes it (wake_read_for_paste).
#pragma once

#include <string>
#include <string_view>

namespace shell {

struct PastePiece {
  std::string text;
  bool complete = false;  // ends with a line feed, or at the count asked for
};

// Pasted text is waiting to be read.
bool paste_pending();

// The next piece of pasted text: up to `max_count` characters or through
// the next line feed, whichever comes first.
PastePiece GetPasteStg(int max_count);

// A piece as it goes into the input line (line end not included).
std::string ProcessBuff(std::string_view piece);

}  // namespace shell
