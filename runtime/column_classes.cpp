// Column classification: sixteen columns at a time with SSE2 (every x86-64
// target has it), else one column at a time.
#include "runtime/column_classes.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rt {

ColumnClasses classify_columns_bytewise(const char* p) {
  ColumnClasses c{0, 0, 0, 0};
  for (int i = 0; i < kClassifiedColumns; ++i) {
    const char ch = p[i];
    const std::uint64_t bit = std::uint64_t{1} << i;
    if (ch == ' ') {
      c.blank |= bit;
    } else if (ch == '.') {
      c.point |= bit;
    } else if (ch == '+' || ch == '-') {
      c.sign |= bit;
    } else if (ch < '0' || ch > '9') {
      c.other |= bit;
    }
  }
  return c;
}

#if defined(__SSE2__)

ColumnClasses classify_columns(const char* p) {
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

ColumnClasses classify_columns(const char* p) {
  return classify_columns_bytewise(p);
}

#endif

}  // namespace rt
