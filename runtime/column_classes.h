// A record's columns classified at once (blank, point, sign, other; one bit
// a column), and the syntax of real fields read off the classes: whether a
// field would convert, found without converting it, for fields whose value
// nobody reads.
#pragma once

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Classifies the 48 characters at `p` one character at a time.
ColumnClasses classify_columns_bytewise(const char* p);

// The same with vector instructions where the target has them (every
// x86-64 target has SSE2), 16 columns at a time: `p` best lies where the
// record's copy wrote a 16-byte block, so that the loads take the copy's
// blocks whole. Inline, so that the caller keeps the masks in registers.
#if defined(__SSE2__)
inline ColumnClasses classify_columns(const char* p) {
  std::uint64_t blank = 0, point = 0, sign = 0, digit = 0;
  for (int block = 0; block < kClassifiedColumns / 16; ++block) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * block));
    const __m128i is_blank = _mm_cmpeq_epi8(v, _mm_set1_epi8(' '));
    const __m128i is_point = _mm_cmpeq_epi8(v, _mm_set1_epi8('.'));
    const __m128i is_sign =
        _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('+')), _mm_cmpeq_epi8(v, _mm_set1_epi8('-')));
    // Shifted by 0x80 - '0', the digits are the ten lowest signed bytes.
    const __m128i shifted = _mm_add_epi8(v, _mm_set1_epi8(static_cast<char>(0x80 - '0')));
    const __m128i is_digit = _mm_cmplt_epi8(shifted, _mm_set1_epi8(static_cast<char>(0x80 + 10)));
    const int shift = 16 * block;
    blank |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(is_blank))} << shift;
    point |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(is_point))} << shift;
    sign |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(is_sign))} << shift;
    digit |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(is_digit))} << shift;
  }
  constexpr std::uint64_t kAll = (std::uint64_t{1} << kClassifiedColumns) - 1;
  return ColumnClasses{blank, point, sign, ~(blank | point | sign | digit) & kAll};
}
#else
inline ColumnClasses classify_columns(const char* p) {
  return classify_columns_bytewise(p);
}
#endif

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
