// Pasted text as keyboard input: the paste buffer that Paste fills from the
// clipboard and keyboard reads empty piece by piece. Reads take pasted text
// before they wait for typed keys, and a paste made while a read waits wakes
// it (wake_read_for_paste).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace shell {

struct PastePiece {
  std::string text;
  bool complete = false;  // ends with a line feed, or at the count asked for
};

// The text of one paste and the read position in it.
class PasteBuffer {
 public:
  // A paste of `text` up to its first zero byte; false (and nothing is
  // pending) when that leaves no text.
  bool start(std::string_view text);
  void clear();
  bool pending() const { return pending_; }

  // The next piece: up to `max_count` characters or through the next line
  // feed, whichever comes first. When the text ends inside the piece, or the
  // piece's line feed is its last character, nothing is pending any more.
  PastePiece next_piece(int max_count);

 private:
  std::string text_;
  std::size_t position_ = 0;
  std::size_t last_length_ = 0;
  bool pending_ = false;
};

// The shell's one paste buffer. Every call may come from any thread.
bool start_paste(std::string_view text);
void clear_paste();
// Pasted text is waiting to be read.
bool paste_pending();
// The next piece of pasted text.
PastePiece GetPasteStg(int max_count);
// Called, outside the buffer's lock, whenever pasted text stops or starts
// being pending (the status bar and the Clear Paste item follow it).
void set_paste_listener(std::function<void(bool pending)> listener);

// A piece as it goes into the input line: a tab becomes 8 blanks, a zero
// byte a blank, a carriage return goes back to the start of the line (what
// follows overwrites what stood there), a line feed ends it.
std::string ProcessBuff(std::string_view piece);

}  // namespace shell
