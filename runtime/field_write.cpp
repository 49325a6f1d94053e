// Integer and fixed-point output fields. Fixed-point rounding works on the
// exact binary value (integer significand times a power of two), so 0.125
// to two decimals is 0.13 and 2.675 (stored as 2.67499...) is 2.67 on every
// platform, whatever its printf does.
#include "runtime/field_write.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace rt {
namespace {

using Uint128 = unsigned __int128;

void put_stars(char* out, int width) {
  std::memset(out, '*', static_cast<std::size_t>(width));
}

// Puts `text` right-justified into the `width` columns at `out`, or stars
// when it does not fit.
void put_right_justified(char* out, int width, const char* text, int length) {
  if (length > width) {
    put_stars(out, width);
    return;
  }
  std::memset(out, ' ', static_cast<std::size_t>(width - length));
  std::memcpy(out + (width - length), text, static_cast<std::size_t>(length));
}

// Writes the decimal digits of `v` so that they end just before `end`;
// returns where they start.
char* digits_before(char* end, Uint128 v) {
  for (; v > UINT64_MAX; v /= 10) *--end = static_cast<char>('0' + static_cast<int>(v % 10));
  auto small = static_cast<std::uint64_t>(v);
  do {
    *--end = static_cast<char>('0' + static_cast<int>(small % 10));
    small /= 10;
  } while (small != 0);
  return end;
}

// |value| * 10^decimals rounded to an integer, ties away from zero; false
// when the result does not fit 128 bits (then it fits no output field).
bool scaled_magnitude(double value, int decimals, Uint128& out) {
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);  // value = fraction * 2^exponent
  const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int shift = exponent - 53;  // value = significand * 2^shift exactly
  Uint128 n = significand;
  for (int i = 0; i < decimals; ++i) n *= 10;  // below 2^113 for decimals <= 18
  if (shift >= 0) {
    if (shift > 127 - 113) {
      // Might overflow; shift step by step and give up on overflow.
      for (int i = 0; i < shift; ++i) {
        if (n >> 127) return false;
        n <<= 1;
      }
    } else {
      n <<= shift;
    }
    out = n;
    return true;
  }
  const int right = -shift;
  if (right >= 128) {
    out = 0;  // n < 2^113, so less than half a unit
    return true;
  }
  const Uint128 quotient = n >> right;
  const Uint128 remainder = n & ((Uint128(1) << right) - 1);
  const Uint128 half = Uint128(1) << (right - 1);
  out = quotient + (remainder >= half ? 1 : 0);
  return true;
}

// |value| * 10^decimals rounded half away from zero, for a value that a
// float holds exactly (24 significant bits) and at most 4 decimals: the
// product then has at most 38 significant bits and is exact in a double,
// adding the half is exact too, so the floor is the rounded result. False
// for every other value.
bool scaled_float_magnitude(double value, int decimals, Uint128& out) {
  static constexpr double kPow10[] = {1, 10, 100, 1000, 10000};
  constexpr double kLimit = 4503599627370496.0;  // 2^52
  if (decimals > 4 || !(std::fabs(value) < 3.0e38) ||
      static_cast<double>(static_cast<float>(value)) != value) {
    return false;
  }
  const double product = std::fabs(value) * kPow10[decimals];
  if (product >= kLimit) return false;
  out = static_cast<std::uint64_t>(std::floor(product + 0.5));
  return true;
}

// Writes the field of the scaled magnitude of `value`.
void put_scaled(char* out, double value, Uint128 scaled, int width, int decimals) {
  // Digits of the scaled value, with zeros in front up to decimals + 1.
  char digit_buffer[64];
  char* const digits_end = digit_buffer + sizeof digit_buffer;
  char* digits = digits_before(digits_end, scaled);
  while (digits_end - digits < decimals + 1) *--digits = '0';
  const int digit_count = static_cast<int>(digits_end - digits);
  const int int_len = digit_count - decimals;

  char text[72];
  int length = 0;
  if (value < 0) text[length++] = '-';
  // The 0 before the point is optional: dropped when that makes the value fit.
  const bool lone_zero = int_len == 1 && digits[0] == '0';
  const int full_length = length + digit_count + 1;
  const bool drop_zero = lone_zero && full_length > width;
  if (!drop_zero) {
    std::memcpy(text + length, digits, static_cast<std::size_t>(int_len));
    length += int_len;
  }
  text[length++] = '.';
  std::memcpy(text + length, digits + int_len, static_cast<std::size_t>(decimals));
  length += decimals;
  put_right_justified(out, width, text, length);
}

}  // namespace

void put_integer(char* out, std::int64_t value, int width) {
  const bool negative = value < 0;
  const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                           : static_cast<std::uint64_t>(value);
  char text[24];
  char* const end = text + sizeof text;
  char* first = digits_before(end, magnitude);
  if (negative) *--first = '-';
  put_right_justified(out, width, first, static_cast<int>(end - first));
}

void put_fixed(char* out, double value, int width, int decimals) {
  Uint128 scaled = 0;
  if (!std::isfinite(value) || decimals < 0 || decimals > 18 ||
      (!scaled_float_magnitude(value, decimals, scaled) &&
       !scaled_magnitude(value, decimals, scaled))) {
    put_stars(out, width);
    return;
  }
  put_scaled(out, value, scaled, width, decimals);
}

void put_fixed_exact(char* out, double value, int width, int decimals) {
  Uint128 scaled = 0;
  if (!std::isfinite(value) || decimals < 0 || decimals > 18 ||
      !scaled_magnitude(value, decimals, scaled)) {
    put_stars(out, width);
    return;
  }
  put_scaled(out, value, scaled, width, decimals);
}

std::string format_integer(std::int64_t value, int width) {
  std::string out(static_cast<std::size_t>(width), ' ');
  put_integer(out.data(), value, width);
  return out;
}

std::string format_fixed(double value, int width, int decimals) {
  std::string out(static_cast<std::size_t>(width), ' ');
  put_fixed(out.data(), value, width, decimals);
  return out;
}

}  // namespace rt
