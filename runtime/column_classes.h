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

// A set of fields among the classified columns, each followed by a column
// that belongs to none of them (its guard; fields need a column between
// them).
struct FieldSet {
  std::uint64_t columns = 0;  // every column of every field
  std::uint64_t starts = 0;   // the first column of each field
  std::uint64_t guards = 0;   // the column right after each field
};

// Adds the `width` columns from offset `first` (first + width < 64) to `set`.
constexpr FieldSet with_field(FieldSet set, int first, int width) {
  set.columns |= (~std::uint64_t{0} >> (64 - width)) << first;
  set.starts |= std::uint64_t{1} << first;
  set.guards |= std::uint64_t{1} << (first + width);
  return set;
}

// The lowest column of `bits` within each field of `set`. Subtracting the
// fields' first columns borrows, in each field, up to its lowest column in
// `bits`; in a field with none the borrow stops at its guard.
inline std::uint64_t lowest_in_each_field(std::uint64_t bits, const FieldSet& set) {
  const std::uint64_t guarded = (bits & set.columns) | set.guards;
  return guarded & ~(guarded - set.starts) & set.columns;
}

// Whether every field of `set` holds a real field that converts by the
// general rules: blanks anywhere, an optional sign before every other
// character, digits and at most one point. Up to 38 columns no such field
// exceeds the float range, so this is exactly when parse_real_field succeeds
// on each of them.
inline bool are_real_field_texts(const ColumnClasses& c, const FieldSet& set) {
  const std::uint64_t leads = lowest_in_each_field(~c.blank, set);
  const std::uint64_t first_points = lowest_in_each_field(c.point, set);
  return ((c.other | (c.sign & ~leads) | (c.point & ~first_points)) & set.columns) == 0;
}

// The same for one field of `width` columns from offset `first`.
inline bool is_real_field_text(const ColumnClasses& c, int first, int width) {
  return are_real_field_texts(c, with_field(FieldSet{}, first, width));
}

}  // namespace rt
