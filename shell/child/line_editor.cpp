// The input line and its editing keys. The line never holds more than its
// capacity: a character that does not fit is refused with a beep, and Tab
// stops two short of the capacity.
#include "shell/child/line_editor.h"

#include <algorithm>
#include <cstring>

namespace shell {

void LineEditor::clear() {
  std::memset(line_, ' ', sizeof line_);
  length_ = 0;
  held_lead_ = -1;
}

EditResult LineEditor::type(unsigned char c, LineScreen& screen) {
  if (held_lead_ < 0) {
    switch (c) {
      case 8:
        backspace(screen);
        return EditResult::kContinue;
      case 9:
        tab(screen);
        return EditResult::kContinue;
      case 10:
      case 13:
        return EditResult::kLineEnd;
      default:
        break;
    }
  }
  character(c, screen);
  return EditResult::kContinue;
}

void LineEditor::append(std::string_view text, int room, LineScreen& screen) {
  const int n =
      std::clamp(std::min(static_cast<int>(text.size()), room), 0, kLineCapacity - length_);
  if (n == 0) return;
  std::memcpy(line_ + length_, text.data(), static_cast<std::size_t>(n));
  length_ += n;
  screen.echo(text.substr(0, static_cast<std::size_t>(n)));
}

void LineEditor::backspace(LineScreen& screen) {
  if (length_ == 0) return;
  if (screen.at_home()) {
    screen.beep();
    return;
  }
  const int n = last_character_length();
  length_ -= n;
  std::memset(line_ + length_, ' ', static_cast<std::size_t>(n));
  for (int i = 0; i < n && !screen.at_home(); ++i) screen.erase_back();
}

void LineEditor::tab(LineScreen& screen) {
  int appended = 0;
  for (; appended < kTabBlanks; ++appended) {
    if (length_ >= kLineCapacity - 2) {
      screen.beep();
      break;
    }
    line_[length_++] = ' ';
  }
  if (appended > 0) screen.echo(std::string(static_cast<std::size_t>(appended), ' '));
}

void LineEditor::character(unsigned char c, LineScreen& screen) {
  if (held_lead_ >= 0) {
    // The second byte of a double-byte character: the pair goes in whole.
    const char pair[2] = {static_cast<char>(held_lead_), static_cast<char>(c)};
    held_lead_ = -1;
    if (length_ >= kLineCapacity - 3) {
      screen.beep();
      return;
    }
    std::memcpy(line_ + length_, pair, 2);
    length_ += 2;
    screen.echo(std::string_view(pair, 2));
    return;
  }
  if (is_lead_byte_ != nullptr && is_lead_byte_(c)) {
    held_lead_ = c;
    return;
  }
  if (length_ >= kLineCapacity) {
    screen.beep();
    return;
  }
  line_[length_++] = static_cast<char>(c);
  screen.echo(std::string_view(line_ + length_ - 1, 1));
}

int LineEditor::last_character_length() const {
  if (is_lead_byte_ == nullptr) return 1;
  int last = 1;
  for (int i = 0; i < length_;) {
    last = is_lead_byte_(static_cast<unsigned char>(line_[i])) && i + 1 < length_ ? 2 : 1;
    i += last;
  }
  return last;
}

int take_line(std::string_view text, char* buffer, int length, std::string& rest) {
  const int n = std::clamp(static_cast<int>(text.size()), 0, std::max(length, 0));
  if (n > 0) std::memcpy(buffer, text.data(), static_cast<std::size_t>(n));
  rest.assign(text.substr(static_cast<std::size_t>(n)));
  return n;
}

bool move_back_one_cell(TextPosition& pos, int columns) {
  if (pos.column > 1) {
    --pos.column;
    return true;
  }
  if (pos.row <= 1) return false;
  --pos.row;
  pos.column = std::max(columns, 1);
  return true;
}

}  // namespace shell
