// OUTTEXT and OUTMEM without the drawing: the byte stream is cut into
// segments that each stay on one row, and the text position follows them
// through line ends, wraps and scrolls of the text window.
#include "shell/child/text_layout.h"

#include <algorithm>
#include <cstdint>

namespace shell {
namespace {

class Layout {
 public:
  Layout(std::string_view text, const TextWindow& w, bool wrap, bool control_characters,
         TextPosition& pos, TextOutputTarget& out)
      : text_(text),
        w_(w),
        wrap_(wrap),
        control_(control_characters),
        rows_(text_window_rows(w)),
        columns_(text_window_columns(w)),
        pos_(pos),
        out_(out) {}

  void run() {
    if (rows_ < 1 || columns_ < 1) return;
    // A row outside the window would draw outside it; the column may
    // legitimately lie right of the window (wrapping off).
    pos_.row = std::clamp(pos_.row, 1, rows_);
    pos_.column = std::clamp(pos_.column, 1, kMaxTextColumn);
    if (control_) text_ = text_.substr(0, text_.find('\0'));
    while (next_ < text_.size()) {
      if (at('\r')) {
        pos_.column = 1;
        ++next_;
      } else if (at('\n')) {
        new_line();
        ++next_;
      } else {
        segment();
      }
    }
  }

 private:
  bool at(char c) const { return control_ && next_ < text_.size() && text_[next_] == c; }

  // Glyphs up to the next line end, or up to and including the character on
  // the window's right column when wrapping.
  void segment() {
    // Wrapping turned on after output ran past the right edge: continue on
    // the next line rather than invisibly beyond the window.
    if (wrap_ && pos_.column > columns_) new_line();
    std::size_t end = next_;
    while (end < text_.size() && !(control_ && (text_[end] == '\n' || text_[end] == '\r'))) ++end;
    std::size_t length = end - next_;
    const auto room = static_cast<std::size_t>(std::max(columns_ - pos_.column + 1, 0));
    const bool wraps = wrap_ && length >= room;
    if (wraps) length = room;

    const std::size_t visible = std::min(length, room);
    if (visible > 0) {
      out_.draw_segment(w_.top + pos_.row - 1, w_.left + pos_.column - 1,
                        text_.substr(next_, visible));
    }
    const std::int64_t column = static_cast<std::int64_t>(pos_.column) + length;
    pos_.column = static_cast<int>(std::min<std::int64_t>(column, kMaxTextColumn));
    next_ += length;

    if (wraps) {
      new_line();
      // The wrap already started the new line a line end would ask for.
      if (at('\r')) ++next_;
      if (at('\n')) ++next_;
    }
  }

  void new_line() {
    if (pos_.row >= rows_) {
      out_.scroll_up_one_row();
      pos_.row = rows_;
    } else {
      ++pos_.row;
    }
    pos_.column = 1;
  }

  std::string_view text_;
  const TextWindow& w_;
  const bool wrap_;
  const bool control_;
  const int rows_;
  const int columns_;
  TextPosition& pos_;
  TextOutputTarget& out_;
  std::size_t next_ = 0;
};

}  // namespace

void lay_out_text(std::string_view text, const TextWindow& w, bool wrap, bool control_characters,
                  TextPosition& pos, TextOutputTarget& out) {
  Layout(text, w, wrap, control_characters, pos, out).run();
}

TextPosition clamp_text_position(int row, int column, const TextWindow& w) {
  auto clamp = [](int value, int size) { return std::max(1, std::min(value, size)); };
  return {clamp(row, text_window_rows(w)), clamp(column, text_window_columns(w))};
}

std::int32_t pack_text_position(TextPosition p) {
  const std::uint32_t row = static_cast<std::uint32_t>(p.row) & 0xFFFFu;
  const std::uint32_t column = static_cast<std::uint32_t>(p.column) & 0xFFFFu;
  return static_cast<std::int32_t>((column << 16) | row);
}

TextWindowRequest normalise_text_window(int top, int left, int bottom, int right, int text_rows,
                                        int text_columns) {
  bool swapped = false;
  if (top > bottom) {
    std::swap(top, bottom);
    swapped = true;
  }
  if (left > right) {
    std::swap(left, right);
    swapped = true;
  }
  const int rows = std::max(text_rows, 1);
  const int columns = std::max(text_columns, 1);
  TextWindow w;
  w.top = std::clamp(top, 1, rows);
  w.bottom = std::clamp(bottom, 1, rows);
  w.left = std::clamp(left, 1, columns);
  w.right = std::clamp(right, 1, columns);
  return {w, swapped};
}

}  // namespace shell
