// The line editor of keyboard reads: the one input line that typed characters
// build, with Backspace, Tab and the line end, echoed through a LineScreen;
// and the hand-over of a finished line to reads that ask for fewer bytes
// than it holds.
#pragma once

#include <string>
#include <string_view>

#include "shell/child/text_layout.h"
#include "shell/frame/menu_text.h"

namespace shell {

inline constexpr int kLineCapacity = 128;
inline constexpr int kTabBlanks = 8;

// What the editor needs of the window the line is typed in.
class LineScreen {
 public:
  virtual ~LineScreen() = default;
  // Draws `text` at the text position (every byte a glyph) and advances it.
  virtual void echo(std::string_view text) = 0;
  // The text position is row 1, column 1 of the text window.
  virtual bool at_home() const = 0;
  // Moves the text position back one cell and blanks that cell on the
  // screen, in the bitmap and in the text buffer.
  virtual void erase_back() = 0;
  virtual void beep() = 0;
};

enum class EditResult { kContinue, kLineEnd };

class LineEditor {
 public:
  explicit LineEditor(LeadBytePredicate is_lead_byte = nullptr) : is_lead_byte_(is_lead_byte) {}

  // Starts an empty line.
  void clear();
  // One typed character: Backspace (8) removes and erases the last
  // character, Tab (9) appends blanks, CR (13) or LF (10) ends the line,
  // anything else is appended; a character that does not fit beeps.
  EditResult type(unsigned char c, LineScreen& screen);
  // Appends text that is already a piece of a line (pasted), echoing it;
  // what does not fit in `room` characters is dropped.
  void append(std::string_view text, int room, LineScreen& screen);

  std::string_view line() const {
    return std::string_view(line_, static_cast<std::size_t>(length_));
  }
  int length() const { return length_; }

 private:
  void backspace(LineScreen& screen);
  void tab(LineScreen& screen);
  void character(unsigned char c, LineScreen& screen);
  // Length of the last character: 2 for a double-byte pair.
  int last_character_length() const;

  LeadBytePredicate is_lead_byte_;
  char line_[kLineCapacity];
  int length_ = 0;
  int held_lead_ = -1;  // a double-byte lead byte waiting for its second byte
};

// Copies up to `length` bytes of `text` into `buffer` and returns how many;
// the bytes that did not fit go to `rest` (emptied when all fit).
int take_line(std::string_view text, char* buffer, int length, std::string& rest);

// Moves `pos` back one cell in a text window `columns` wide: from column 1
// to the last column of the row above. False, unchanged, at row 1, column 1.
bool move_back_one_cell(TextPosition& pos, int columns);

}  // namespace shell
