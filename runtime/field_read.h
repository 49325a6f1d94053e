// Fixed-column input conversions (Iw, Fw.d, Aw, nX) over one record.
// Blanks inside number fields are ignored, an all-blank number is zero,
// columns past the end of the record read as blanks, and a real without a
// decimal point takes its last d digits as the fraction. Anything else in a
// number field is a conversion error, which the reader remembers so that the
// caller can report it together with the record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rt {

// Converts the text of an integer field. Empty result on a conversion error
// (a character other than blanks, one leading sign and digits, or a value
// outside the 32-bit range).
std::optional<std::int32_t> parse_integer_field(std::string_view field);

// Converts the text of a real field with `decimals` implied decimals to the
// nearest 32-bit float (ties to even). Empty result on a conversion error.
// Tries quick_real_field first, then parse_real_field_exact.
std::optional<float> parse_real_field(std::string_view field, int decimals);

// The same conversion by the general rules alone: every length of digits
// and every power of ten, rounded exactly.
std::optional<float> parse_real_field_exact(std::string_view field, int decimals);

// Quick conversions of the shapes that fill coordinate files. They return
// false, leaving `out` alone or not, for every field they do not settle;
// the general parsers above then give the value or the conversion error.
namespace quick {

inline bool is_digit(char c, unsigned& value) {
  value = static_cast<unsigned char>(c) - unsigned{'0'};
  return value < 10;
}

// Checks that [p, q) holds blanks and an optional minus sign just before
// q; the sign goes to `negative`.
inline bool blanks_and_sign(const char* p, const char* q, bool& negative) {
  negative = q != p && q[-1] == '-';
  if (negative) --q;
  for (; p != q; ++p) {
    if (*p != ' ') return false;
  }
  return true;
}

// `significand` / 10^decimals correctly rounded to a float, for a
// significand below 2^24 and at most 7 decimals: one double multiplication
// by the nearest double of 10^-decimals, then the rounding to float. That
// equals the IEEE float division (checked for every such significand) and
// costs a fraction of it.
inline float scaled_down(std::uint32_t significand, int decimals) {
  static constexpr double kInversePow10[] = {1e0, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7};
  return static_cast<float>(static_cast<double>(significand) * kInversePow10[decimals]);
}

}  // namespace quick

// Integer fields written right-justified: blanks, an optional minus sign,
// then at most 9 digits up to the field's end.
inline bool quick_integer_field(const char* p, int width, std::int32_t& out) {
  const char* q = p + width;
  std::int32_t value = 0;
  std::int32_t scale = 1;
  unsigned d = 0;
  for (int digits = 0; q != p && quick::is_digit(q[-1], d); --q) {
    if (++digits > 9) return false;  // the general parser checks the range
    value += static_cast<std::int32_t>(d) * scale;
    scale *= 10;
  }
  bool negative = false;
  if (!quick::blanks_and_sign(p, q, negative)) return false;
  out = negative ? -value : value;
  return true;
}

// Real fields written as blanks, an optional minus sign, digits, and the
// point with `decimals` digits after it at the field's end. Their
// significand below 2^24 and a power of ten up to 10^10 are both exact
// floats, so the IEEE division of the two is the correctly rounded value;
// quick::scaled_down gives the same.
inline bool quick_real_field(const char* p, int width, int decimals, float& out) {
  static constexpr float kPow10[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                     1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
  constexpr std::uint32_t kExactLimit = 1u << 24;
  if (decimals < 0 || decimals > 7 || decimals >= width) return false;
  const char* const point = p + width - decimals - 1;
  if (*point != '.') return false;
  std::uint32_t fraction = 0;
  unsigned d = 0;
  for (int i = 1; i <= decimals; ++i) {
    if (!quick::is_digit(point[i], d)) return false;
    fraction = fraction * 10 + d;
  }
  const char* q = point;
  std::uint32_t whole = 0;
  std::uint32_t scale = 1;
  for (; q != p && quick::is_digit(q[-1], d); --q) {
    if (scale >= 10000000) return false;  // 8 or more digits before the point
    whole += d * scale;
    scale *= 10;
  }
  bool negative = false;
  if (!quick::blanks_and_sign(p, q, negative)) return false;
  const std::uint64_t significand =
      static_cast<std::uint64_t>(whole) * static_cast<std::uint32_t>(kPow10[decimals]) + fraction;
  if (significand >= kExactLimit) return false;
  const float magnitude = quick::scaled_down(static_cast<std::uint32_t>(significand), decimals);
  out = negative ? -magnitude : magnitude;
  return true;
}

// Reads fields left to right from one record, like a formatted READ with an
// edit-descriptor list. After the first conversion error the remaining fields
// are left unchanged and failed() reports it.
class FieldReader {
 public:
  explicit FieldReader(std::string_view record) : record_(record) {}

  FieldReader& skip(int width);                            // nX
  FieldReader& chars(int width, char* out);                // Aw, exactly width characters
  FieldReader& integer(int width, std::int32_t& out);      // Iw
  FieldReader& real(int width, int decimals, float& out);  // Fw.d

  bool failed() const { return failed_column_ != 0; }
  int failed_column() const { return failed_column_; }  // 1-based first column of the bad field
  std::string_view record() const { return record_; }

 private:
  // The part of the next `width` columns that lies inside the record
  // (shorter, or empty, where the record has ended).
  std::string_view take(int width);

  std::string_view record_;
  int column_ = 1;
  int failed_column_ = 0;
};

}  // namespace rt
