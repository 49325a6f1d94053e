// Selection to clipboard text.
#include "shell/edit/selection_text.h"

#include <algorithm>
#include <utility>

namespace shell {
namespace {

constexpr const char* kLineEnd = "\r\n";

// Columns `from` to `to` (1-based, inclusive) of a row, cut at the end of
// its text; columns before the text are blanks.
std::string columns(const TextRowEntry& e, int from, int to) {
  std::string out;
  const int last = std::min(to, e.end_column - 1);
  for (int column = std::max(from, 1); column <= last; ++column) {
    out +=
        column < e.first_column ? ' ' : e.chars[static_cast<std::size_t>(column - e.first_column)];
  }
  return out;
}

}  // namespace

std::string clipboard_text(const TextBuffer& buffer, SelectPoint anchor, SelectPoint end) {
  if (end.y < anchor.y || (end.y == anchor.y && end.x < anchor.x)) std::swap(anchor, end);
  const int c1 = anchor.x + 1, r1 = anchor.y + 1;
  const int c2 = end.x + 1, r2 = end.y + 1;
  const bool one_row = r1 == r2;
  std::string text;
  for (const TextRowEntry& e : buffer.entries()) {
    if (e.row < r1 || e.row > r2) continue;
    if (e.empty_record) {
      if (!one_row) text += kLineEnd;
      continue;
    }
    const bool last_row = e.row == r2;
    const int from = e.row == r1 ? c1 : 1;
    const int to = last_row ? c2 : e.end_column - 1;
    text += columns(e, from, to);
    if (!last_row || (one_row && c2 > e.end_column - 1)) text += kLineEnd;
  }
  text.push_back('\0');
  return text;
}

}  // namespace shell
