// Integer and fixed-point output fields. Fixed-point rounding works on the
// exact binary value (integer significand times a power of two), so 0.125
// to two decimals is 0.13 and 2.675 (stored as 2.67499...) is 2.67 on every
// platform, whatever its printf does.
#include "runtime/field_write.h"

#include <cmath>

namespace rt {
namespace {

using Uint128 = unsigned __int128;

std::string stars(int width) {
  return std::string(static_cast<std::size_t>(width), '*');
}

std::string right_justified(const std::string& text, int width) {
  if (static_cast<int>(text.size()) > width) return stars(width);
  return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

std::string decimal_digits(Uint128 v) {
  std::string out;
  do {
    out.insert(out.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
    v /= 10;
  } while (v != 0);
  return out;
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

}  // namespace

std::string format_integer(std::int64_t value, int width) {
  const bool negative = value < 0;
  const Uint128 magnitude =
      negative ? Uint128(0) - static_cast<Uint128>(static_cast<__int128>(value)) : Uint128(value);
  std::string text = decimal_digits(magnitude);
  if (negative) text.insert(text.begin(), '-');
  return right_justified(text, width);
}

std::string format_fixed(double value, int width, int decimals) {
  if (!std::isfinite(value) || decimals < 0 || decimals > 18) return stars(width);
  Uint128 scaled = 0;
  if (!scaled_magnitude(value, decimals, scaled)) return stars(width);
  std::string digits = decimal_digits(scaled);
  if (static_cast<int>(digits.size()) < decimals + 1) {
    digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
  }
  const std::size_t int_len = digits.size() - static_cast<std::size_t>(decimals);
  std::string text = digits.substr(0, int_len) + "." + digits.substr(int_len);
  if (value < 0) text.insert(text.begin(), '-');
  if (static_cast<int>(text.size()) > width &&
      digits.size() == static_cast<std::size_t>(decimals) + 1 && digits[0] == '0') {
    // The 0 before the point is optional: drop it when that makes the value fit.
    text.erase(text.find("0."), 1);
  }
  return right_justified(text, width);
}

}  // namespace rt
