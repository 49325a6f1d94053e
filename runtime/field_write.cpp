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

// Takes the last decimal digit off `v` and returns it as a character.
char take_last_digit(std::uint64_t& v) {
  const std::uint64_t rest = v / 10;
  const auto digit = static_cast<char>('0' + static_cast<int>(v - 10 * rest));
  v = rest;
  return digit;
}
char take_last_digit(Uint128& v) {
  if (v <= UINT64_MAX) {
    auto small = static_cast<std::uint64_t>(v);
    const char digit = take_last_digit(small);
    v = small;
    return digit;
  }
  const auto digit = static_cast<int>(v % 10);
  v /= 10;
  return static_cast<char>('0' + digit);
}

// Writes a field from its right end leftwards: digits, a point, a sign,
// then blanks in front; a character that finds no column left makes the
// whole field stars.
class RightToLeft {
 public:
  RightToLeft(char* out, int width) : out_(out), at_(out + width), width_(width) {}
  int columns_left() const { return static_cast<int>(at_ - out_); }
  bool put(char c) {
    if (at_ == out_) return false;
    *--at_ = c;
    return true;
  }
  // The decimal digits of `v`, at least one.
  template <typename Unsigned>
  bool put_digits(Unsigned v) {
    do {
      if (!put(take_last_digit(v))) return false;
    } while (v != 0);
    return true;
  }
  // Blanks in the columns left (a field holds few), or stars over the whole
  // field when the text did not fit.
  void finish(bool fitted) {
    if (fitted) {
      while (at_ != out_) *--at_ = ' ';
    } else {
      put_stars(out_, width_);
    }
  }

 private:
  char* out_;
  char* at_;
  int width_;
};

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
  out = static_cast<std::uint64_t>(product + 0.5);  // the floor: the sum is not negative
  return true;
}

// Writes the field of the scaled magnitude of `value`: the last `decimals`
// digits after the point, the rest before it. The 0 before the point of a
// value below 1 is dropped when there is no room for it.
template <typename Unsigned>
void put_scaled(char* out, double value, Unsigned scaled, int width, int decimals) {
  RightToLeft field(out, width);
  const bool negative = value < 0;
  bool fitted = true;
  for (int i = 0; i < decimals && fitted; ++i) fitted = field.put(take_last_digit(scaled));
  fitted = fitted && field.put('.');
  if (fitted && scaled == 0) {
    if (field.columns_left() >= 1 + (negative ? 1 : 0)) field.put('0');
  } else if (fitted) {
    fitted = field.put_digits(scaled);
  }
  if (fitted && negative) fitted = field.put('-');
  field.finish(fitted);
}

// The same, in 64-bit arithmetic where the scaled magnitude fits it.
void put_scaled_magnitude(char* out, double value, Uint128 scaled, int width, int decimals) {
  if (scaled <= UINT64_MAX) {
    put_scaled(out, value, static_cast<std::uint64_t>(scaled), width, decimals);
  } else {
    put_scaled(out, value, scaled, width, decimals);
  }
}

}  // namespace

void put_integer(char* out, std::int64_t value, int width) {
  const bool negative = value < 0;
  const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                           : static_cast<std::uint64_t>(value);
  RightToLeft field(out, width);
  bool fitted = field.put_digits(magnitude);
  if (fitted && negative) fitted = field.put('-');
  field.finish(fitted);
}

void put_fixed(char* out, double value, int width, int decimals) {
  Uint128 scaled = 0;
  if (!std::isfinite(value) || decimals < 0 || decimals > 18 ||
      (!scaled_float_magnitude(value, decimals, scaled) &&
       !scaled_magnitude(value, decimals, scaled))) {
    put_stars(out, width);
    return;
  }
  put_scaled_magnitude(out, value, scaled, width, decimals);
}

void put_fixed_exact(char* out, double value, int width, int decimals) {
  Uint128 scaled = 0;
  if (!std::isfinite(value) || decimals < 0 || decimals > 18 ||
      !scaled_magnitude(value, decimals, scaled)) {
    put_stars(out, width);
    return;
  }
  put_scaled_magnitude(out, value, scaled, width, decimals);
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
