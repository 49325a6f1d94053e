// Decimal to float: a fast path for short significands with small powers of
// ten (every field of a coordinate file), and an exact big-integer division
// for everything else.
#include "runtime/decimal_to_float.h"

#include <array>
#include <cmath>
#include <limits>

namespace rt {
namespace {

// Unsigned integer of fixed capacity, enough for 10^100 * 2^300.
class BigUint {
 public:
  static constexpr int kLimbs = 48;

  explicit BigUint(std::uint64_t v = 0) {
    limbs_.fill(0);
    limbs_[0] = static_cast<std::uint32_t>(v);
    limbs_[1] = static_cast<std::uint32_t>(v >> 32);
  }

  void multiply_small(std::uint32_t m) {
    std::uint64_t carry = 0;
    for (auto& limb : limbs_) {
      const std::uint64_t p = static_cast<std::uint64_t>(limb) * m + carry;
      limb = static_cast<std::uint32_t>(p);
      carry = p >> 32;
    }
  }

  void add_small(std::uint32_t v) {
    std::uint64_t carry = v;
    for (auto& limb : limbs_) {
      if (carry == 0) break;
      const std::uint64_t sum = static_cast<std::uint64_t>(limb) + carry;
      limb = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
  }

  void multiply_pow10(int n) {
    for (; n >= 9; n -= 9) multiply_small(1000000000u);
    static constexpr std::uint32_t kSmall[] = {1,      10,      100,      1000,     10000,
                                               100000, 1000000, 10000000, 100000000};
    multiply_small(kSmall[n]);
  }

  void shift_left(int bits) {
    const int words = bits / 32;
    const int rest = bits % 32;
    for (int i = kLimbs - 1; i >= 0; --i) {
      std::uint32_t v = 0;
      const int src = i - words;
      if (src >= 0) {
        v = limbs_[src] << rest;
        if (rest != 0 && src > 0) v |= limbs_[src - 1] >> (32 - rest);
      }
      limbs_[i] = v;
    }
  }

  int bit_length() const {
    for (int i = kLimbs - 1; i >= 0; --i) {
      if (limbs_[i] != 0) {
        int bits = 32;
        while ((limbs_[i] & (1u << (bits - 1))) == 0) --bits;
        return i * 32 + bits;
      }
    }
    return 0;
  }

  int compare(const BigUint& o) const {
    for (int i = kLimbs - 1; i >= 0; --i) {
      if (limbs_[i] != o.limbs_[i]) return limbs_[i] < o.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

  void subtract(const BigUint& o) {  // requires *this >= o
    std::int64_t borrow = 0;
    for (int i = 0; i < kLimbs; ++i) {
      std::int64_t d = static_cast<std::int64_t>(limbs_[i]) - o.limbs_[i] - borrow;
      borrow = d < 0 ? 1 : 0;
      limbs_[i] = static_cast<std::uint32_t>(d + (borrow << 32));
    }
  }

 private:
  std::array<std::uint32_t, kLimbs> limbs_;
};

constexpr float kFloatPow10[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};

// Quotient a / b rounded to nearest, ties to even (ties broken upward by
// `sticky`), for a < b * 2^26.
std::uint32_t rounded_quotient(BigUint a, const BigUint& b, bool sticky) {
  std::uint32_t q = 0;
  for (int bit = 25; bit >= 0; --bit) {
    BigUint shifted = b;
    shifted.shift_left(bit);
    if (a.compare(shifted) >= 0) {
      a.subtract(shifted);
      q |= 1u << bit;
    }
  }
  a.shift_left(1);  // compare twice the remainder with b
  const int half = a.compare(b);
  if (half > 0 || (half == 0 && (sticky || (q & 1u) != 0))) ++q;
  return q;
}

// The exact path: the float nearest to sign * a * 10^exponent10, where a
// has `decimal_digits` digits.
std::optional<float> exact_decimal_to_float(BigUint a, int decimal_digits, int exponent10,
                                            bool sticky, float sign) {
  if (decimal_digits + exponent10 > 40) return std::nullopt;  // beyond 3.4e38
  if (decimal_digits + exponent10 < -46) return sign * 0.0f;  // below half the least float

  BigUint b(1);
  if (exponent10 >= 0) {
    a.multiply_pow10(exponent10);
  } else {
    b.multiply_pow10(-exponent10);
  }
  // Scale so that 2^23 <= a / b < 2^24 (a float's 24 significant bits); the
  // value is then q * 2^k.
  int k = a.bit_length() - b.bit_length() - 23;
  auto scale = [&](int by) {
    if (by >= 0) {
      b.shift_left(by);
    } else {
      a.shift_left(-by);
    }
  };
  constexpr int kLeastExponent = -149;  // smallest subnormal is 2^-149
  if (k < kLeastExponent) k = kLeastExponent;
  scale(k);
  BigUint limit = b;
  limit.shift_left(23);
  if (k > kLeastExponent && a.compare(limit) < 0) {
    a.shift_left(1);
    --k;
  }
  const std::uint32_t q = rounded_quotient(a, b, sticky);
  const float result = std::ldexp(static_cast<float>(q), k);
  if (std::isinf(result)) return std::nullopt;
  return sign * result;
}

}  // namespace

std::optional<float> decimal_to_float(std::uint64_t digits, int exponent10, bool sticky,
                                      bool negative) {
  const float sign = negative ? -1.0f : 1.0f;
  if (digits == 0) return sign * 0.0f;

  // Both operands are exact floats, so one IEEE division or multiplication
  // rounds correctly.
  if (!sticky && digits < (1u << 24) && exponent10 >= -10 && exponent10 <= 10) {
    const float d = static_cast<float>(digits);
    return sign * (exponent10 < 0 ? d / kFloatPow10[-exponent10] : d * kFloatPow10[exponent10]);
  }

  int decimal_digits = 0;
  for (std::uint64_t v = digits; v != 0; v /= 10) ++decimal_digits;
  return exact_decimal_to_float(BigUint(digits), decimal_digits, exponent10, sticky, sign);
}

std::optional<float> decimal_to_float(std::string_view digits, int exponent10, bool sticky,
                                      bool negative) {
  const float sign = negative ? -1.0f : 1.0f;
  if (digits.empty()) return sign * 0.0f;
  BigUint a;
  for (char c : digits) {
    a.multiply_small(10);
    a.add_small(static_cast<std::uint32_t>(c - '0'));
  }
  return exact_decimal_to_float(a, static_cast<int>(digits.size()), exponent10, sticky, sign);
}

}  // namespace rt
