// Merging written text into row entries and moving entries when the text
// window scrolls. Rows are few (one per text row of the virtual screen), so
// a sorted vector with binary search is all the structure needed.
#include "shell/child/text_buffer.h"

#include <algorithm>
#include <cstdint>

namespace shell {
namespace {

bool row_less(const TextRowEntry& e, int row) {
  return e.row < row;
}

void cut_trailing_blanks(std::string& s) {
  const std::size_t last = s.find_last_not_of(' ');
  s.erase(last == std::string::npos ? 0 : last + 1);
}

}  // namespace

const TextRowEntry* TextBuffer::find(int row) const {
  const auto it = std::lower_bound(entries_.begin(), entries_.end(), row, row_less);
  return it != entries_.end() && it->row == row ? &*it : nullptr;
}

void TextBuffer::add(int row, int column, std::string_view text, int right_column,
                     bool empty_record) {
  if (empty_record) {
    // The single blank of an empty write stands at the write position.
    if (column >= 1 && column <= right_column) merge({row, column, " ", true});
    return;
  }
  // Work in 64 bits: a long text written far right must not overflow.
  const std::int64_t begin = std::max<std::int64_t>(column, 1);
  const std::int64_t end = std::min<std::int64_t>(
      static_cast<std::int64_t>(column) + static_cast<std::int64_t>(text.size()),
      static_cast<std::int64_t>(right_column) + 1);
  if (begin >= end) return;
  const auto skip = static_cast<std::size_t>(begin - column);
  merge({row, static_cast<int>(begin),
         std::string(text.substr(skip, static_cast<std::size_t>(end - begin))), false});
}

void TextBuffer::merge(Piece piece) {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), piece.row, row_less);
  const bool exists = it != entries_.end() && it->row == piece.row;

  int first = piece.first_column;
  std::string chars = std::move(piece.chars);
  bool flagged = piece.empty_record;
  int blank_column = piece.first_column;  // where a flagged blank stays
  if (exists) {
    const int piece_end = first + static_cast<int>(chars.size());
    const int new_first = std::min(it->first_column, first);
    const int new_end = std::max(it->end_column, piece_end);
    std::string merged(static_cast<std::size_t>(new_end - new_first), ' ');
    merged.replace(static_cast<std::size_t>(it->first_column - new_first), it->chars.size(),
                   it->chars);
    merged.replace(static_cast<std::size_t>(first - new_first), chars.size(), chars);
    if (it->empty_record && !flagged) blank_column = it->first_column;
    flagged = flagged || it->empty_record;
    first = new_first;
    chars = std::move(merged);
  }

  cut_trailing_blanks(chars);
  if (chars.empty()) {
    if (!flagged) {
      if (exists) entries_.erase(it);
      return;
    }
    // Nothing but blanks on a row that received an empty write.
    first = blank_column;
    chars = " ";
  } else {
    flagged = false;  // real text: the row no longer reads as empty
  }

  TextRowEntry entry{piece.row, first, first + static_cast<int>(chars.size()), flagged,
                     std::move(chars)};
  if (exists) {
    *it = std::move(entry);
  } else {
    entries_.insert(it, std::move(entry));
  }
}

void TextBuffer::scroll(const TextWindow& w, int k, int screen_columns) {
  if (k == 0 || w.top > w.bottom || w.left > w.right) return;
  if (w.left <= 1 && w.right >= screen_columns) {
    scroll_whole_rows(w, k);
  } else {
    scroll_columns(w, k);
  }
}

void TextBuffer::scroll_whole_rows(const TextWindow& w, int k) {
  // Entries of the window's rows move together, so the order is kept.
  auto inside = [&w](std::int64_t row) { return row >= w.top && row <= w.bottom; };
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                [&](const TextRowEntry& e) {
                                  return inside(e.row) &&
                                         !inside(static_cast<std::int64_t>(e.row) - k);
                                }),
                 entries_.end());
  for (TextRowEntry& e : entries_) {
    if (inside(e.row)) e.row -= k;
  }
}

void TextBuffer::scroll_columns(const TextWindow& w, int k) {
  // First cut every row's part inside the window's columns, then put the
  // parts down k rows away; doing both in one pass would move a part twice.
  std::vector<Piece> moving;
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (it->row < w.top || it->row > w.bottom) {
      ++it;
      continue;
    }
    const int cut_first = std::max(it->first_column, w.left);
    const int cut_end = std::min(it->end_column, w.right + 1);
    if (cut_first >= cut_end) {
      ++it;
      continue;
    }
    const auto offset = static_cast<std::size_t>(cut_first - it->first_column);
    const auto length = static_cast<std::size_t>(cut_end - cut_first);
    const std::int64_t target = static_cast<std::int64_t>(it->row) - k;
    if (target >= w.top && target <= w.bottom) {
      moving.push_back({static_cast<int>(target), cut_first, it->chars.substr(offset, length),
                        it->empty_record});
    }
    it->chars.replace(offset, length, length, ' ');
    cut_trailing_blanks(it->chars);
    if (it->chars.empty()) {
      it = entries_.erase(it);  // also a flagged blank that moved away
    } else {
      it->end_column = it->first_column + static_cast<int>(it->chars.size());
      ++it;
    }
  }
  for (Piece& piece : moving) merge(std::move(piece));
}

}  // namespace shell
