// Number-field conversions and the column-by-column record reader.
#include "runtime/field_read.h"

#include <cstring>
#include <limits>

#include "runtime/decimal_to_float.h"

namespace rt {
namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Both parsers work in one pass over the field, skipping blanks where they
// stand, so that no copy of the field is made: a sign is only valid as the
// first character that is not a blank.

}  // namespace

std::optional<std::int32_t> parse_integer_field(std::string_view field) {
  constexpr std::int64_t kLimit =
      static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
  std::int64_t value = 0;
  bool negative = false;
  bool leading = true;  // no character but blanks seen yet
  for (char c : field) {
    if (c == ' ') continue;
    if (leading && (c == '+' || c == '-')) {
      negative = c == '-';
      leading = false;
      continue;
    }
    leading = false;
    if (!is_digit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kLimit) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<float> parse_real_field(std::string_view field, int decimals) {
  float quick = 0;
  if (quick_real_field(field.data(), static_cast<int>(field.size()), decimals, quick)) return quick;
  return parse_real_field_exact(field, decimals);
}

std::optional<float> parse_real_field_exact(std::string_view field, int decimals) {
  // The first 19 significant digits fit a 64-bit significand; longer ones
  // are kept as text up to the length that still rounds exactly.
  constexpr int kMaxFast = 19;
  std::uint64_t digits = 0;
  char kept[kMaxExactDigits];
  int significant = 0;
  int dropped = 0;      // significant digits beyond kMaxExactDigits
  int after_point = 0;  // digits kept after the decimal point
  bool seen_point = false;
  bool sticky = false;
  bool negative = false;
  bool leading = true;  // no character but blanks seen yet
  for (char c : field) {
    if (c == ' ') continue;
    if (leading && (c == '+' || c == '-')) {
      negative = c == '-';
      leading = false;
      continue;
    }
    leading = false;
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

std::string_view FieldReader::take(int width) {
  const std::size_t start = static_cast<std::size_t>(column_ - 1);
  column_ += width;
  if (start >= record_.size()) return {};
  return record_.substr(start, static_cast<std::size_t>(width));
}

FieldReader& FieldReader::skip(int width) {
  column_ += width;
  return *this;
}

FieldReader& FieldReader::chars(int width, char* out) {
  const std::string_view field = take(width);
  if (!failed()) {
    if (!field.empty()) std::memcpy(out, field.data(), field.size());
    std::memset(out + field.size(), ' ', static_cast<std::size_t>(width) - field.size());
  }
  return *this;
}

// Number fields need no padding: the columns past the record's end would
// be blanks, which the parsers ignore.
FieldReader& FieldReader::integer(int width, std::int32_t& out) {
  const int first = column_;
  const std::string_view field = take(width);
  if (failed()) return *this;
  if (quick_integer_field(field.data(), static_cast<int>(field.size()), out)) return *this;
  if (auto v = parse_integer_field(field)) {
    out = *v;
  } else {
    failed_column_ = first;
  }
  return *this;
}

FieldReader& FieldReader::real(int width, int decimals, float& out) {
  const int first = column_;
  const std::string_view field = take(width);
  if (failed()) return *this;
  if (auto v = parse_real_field(field, decimals)) {
    out = *v;
  } else {
    failed_column_ = first;
  }
  return *this;
}

}  // namespace rt
