// The text buffer of a child window: which characters stand on which row of
// the virtual screen, so that text can be selected and copied later. It holds
// characters only (colours and pictures live in the bitmap), one entry per
// row, sorted by row, with trailing blanks cut.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The text window: the part of the virtual screen that text output is
// confined to, in absolute cells, 1-based, inclusive.
struct TextWindow {
  int top = 1, left = 1, bottom = 1, right = 1;
};

inline int text_window_rows(const TextWindow& w) {
  return w.bottom - w.top + 1;
}
inline int text_window_columns(const TextWindow& w) {
  return w.right - w.left + 1;
}

// The characters of one row, from absolute column first_column up to, not
// including, end_column. Leading blanks and gaps are stored as blanks,
// trailing blanks never. empty_record marks the single blank of an empty
// write: a row on which an empty line was written, copied as an empty line.
struct TextRowEntry {
  int row;
  int first_column;
  int end_column;
  bool empty_record;
  std::string chars;
};

class TextBuffer {
 public:
  void clear() { entries_.clear(); }

  // Stores `text` written at absolute (row, column). Characters right of
  // `right_column` (and left of column 1) are dropped; the rest is merged
  // with the row's entry: the entry spans from the smaller first column to
  // the larger end, gaps are blanks, new characters overwrite old ones.
  // Trailing blanks are cut and an entry left without characters is removed,
  // except after an empty write (`empty_record`): then the row keeps a single
  // blank at `column`, flagged. The flag stays only while the row holds
  // nothing but blanks; real text merged into the row clears it.
  void add(int row, int column, std::string_view text, int right_column, bool empty_record = false);

  // Follows a scroll of text window `w` by k rows (k > 0 up, k < 0 down) on
  // a virtual screen of `screen_columns` text columns. A full-width window
  // moves whole entries of its rows, deleting those that leave it; a narrower
  // one moves only the characters inside its columns, leaving blanks behind.
  // Rows outside the window never change.
  void scroll(const TextWindow& w, int k, int screen_columns);

  const std::vector<TextRowEntry>& entries() const { return entries_; }

  // The entry of absolute row `row`, or null when the row holds no text.
  const TextRowEntry* find(int row) const;

 private:
  // A run of characters bound for one row; `empty_record` as in add().
  struct Piece {
    int row;
    int first_column;
    std::string chars;
    bool empty_record;
  };

  void merge(Piece piece);
  void scroll_whole_rows(const TextWindow& w, int k);
  void scroll_columns(const TextWindow& w, int k);

  std::vector<TextRowEntry> entries_;
};

}  // namespace shell
