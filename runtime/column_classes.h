// A record's columns classified at once (blank, point, sign, other; one bit
// a column), and the syntax of real fields read off the classes: whether a
// field would convert, found without converting it, for fields whose value
// nobody reads.
#pragma once

#include <cstdint>

namespace rt {

// The classes of 48 consecutive columns: bit i stands for the column at
// offset i. A column in none of the masks holds a digit.
struct ColumnClasses {
  std::uint64_t blank;
  std::uint64_t point;  // '.'
  std::uint64_t sign;   // '+' or '-'
  std::uint64_t other;  // neither a blank, a digit, a point nor a sign
};

inline constexpr int kClassifiedColumns = 48;

// Classifies the 48 characters at `p`, with vector instructions where the
// target has them (16 at a time: `p` best lies where the record's copy
// wrote a 16-byte block, so that the loads take the copy's blocks whole).
ColumnClasses classify_columns(const char* p);
// The same, one character at a time.
ColumnClasses classify_columns_bytewise(const char* p);

// Whether the `width` columns from offset `first` (first + width <= 48) hold
// a real field that converts by the general rules: blanks anywhere, an
// optional sign before every other character, digits and at most one point.
// Up to 38 columns no such field exceeds the float range, so this is exactly
// when parse_real_field succeeds.
inline bool is_real_field_text(const ColumnClasses& c, int first, int width) {
  const std::uint64_t field = (~std::uint64_t{0} >> (64 - width)) << first;
  const std::uint64_t filled = field & ~c.blank;
  const std::uint64_t lead = filled & (std::uint64_t{0} - filled);  // first non-blank column
  const std::uint64_t points = c.point & field;
  return (c.other & field) == 0 && (c.sign & field & ~lead) == 0 && (points & (points - 1)) == 0;
}

}  // namespace rt
