// Number-field conversions and the column-by-column record reader.
#include "runtime/field_read.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "runtime/decimal_to_float.h"

namespace rt {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The field without its blanks: blanks anywhere in a number field are ignored.
std::string without_blanks(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (char c : field) {
    if (c != ' ') out.push_back(c);
  }
  return out;
}

// Splits an optional leading sign off `text`; returns true when it was '-'.
bool take_sign(std::string_view& text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    const bool negative = text[0] == '-';
    text.remove_prefix(1);
    return negative;
  }
  return false;
}

}  // namespace

std::optional<std::int32_t> parse_integer_field(std::string_view field) {
  const std::string packed = without_blanks(field);
  std::string_view text = packed;
  const bool negative = take_sign(text);
  std::int64_t value = 0;
  for (char c : text) {
    if (!is_digit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1) {
      return std::nullopt;
    }
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<float> parse_real_field(std::string_view field, int decimals) {
  const std::string packed = without_blanks(field);
  std::string_view text = packed;
  const bool negative = take_sign(text);

  // The first 19 significant digits fit a 64-bit significand; longer ones
  // are kept as text up to the length that still rounds exactly.
  constexpr int kMaxFast = 19;
  std::uint64_t digits = 0;
  char kept[kMaxExactDigits];
  int significant = 0;
  int dropped = 0;         // significant digits beyond kMaxExactDigits
  int after_point = 0;     // digits kept after the decimal point
  bool seen_point = false;
  bool sticky = false;
  for (char c : text) {
    if (c == '.') {
      if (seen_point) return std::nullopt;
      seen_point = true;
      continue;
    }
    if (!is_digit(c)) return std::nullopt;
    const int d = c - '0';
    if (significant == 0 && d == 0) {
      if (seen_point) ++after_point;  // leading zeros only shift the point
      continue;
    }
    if (significant < kMaxExactDigits) {
      if (significant < kMaxFast) digits = digits * 10 + static_cast<std::uint64_t>(d);
      kept[significant++] = c;
      if (seen_point) ++after_point;
    } else {
      if (d != 0) sticky = true;
      if (!seen_point) ++dropped;
    }
  }
  // Without a decimal point the last `decimals` digits are the fraction.
  const int fraction_digits = seen_point ? after_point : decimals;
  if (significant > kMaxFast) {
    return decimal_to_float(std::string_view(kept, static_cast<std::size_t>(significant)),
                            dropped - fraction_digits, sticky, negative);
  }
  return decimal_to_float(digits, dropped - fraction_digits, sticky, negative);
}

std::string FieldReader::take(int width) {
  std::string out(static_cast<std::size_t>(width), ' ');
  const int start = column_ - 1;
  const int available = static_cast<int>(record_.size()) - start;
  if (available > 0) {
    std::memcpy(out.data(), record_.data() + start,
                static_cast<std::size_t>(std::min(available, width)));
  }
  column_ += width;
  return out;
}

FieldReader& FieldReader::skip(int width) {
  column_ += width;
  return *this;
}

FieldReader& FieldReader::chars(int width, char* out) {
  const std::string field = take(width);
  if (!failed()) std::memcpy(out, field.data(), field.size());
  return *this;
}

FieldReader& FieldReader::integer(int width, std::int32_t& out) {
  const int first = column_;
  const std::string field = take(width);
  if (failed()) return *this;
  if (auto v = parse_integer_field(field)) {
    out = *v;
  } else {
    failed_column_ = first;
  }
  return *this;
}

FieldReader& FieldReader::real(int width, int decimals, float& out) {
  const int first = column_;
  const std::string field = take(width);
  if (failed()) return *this;
  if (auto v = parse_real_field(field, decimals)) {
    out = *v;
  } else {
    failed_column_ = first;
  }
  return *this;
}

}  // namespace rt
