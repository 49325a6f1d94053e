// Decimal to float conversion: the fast path and the exact path must both
// give the correctly rounded float, including halfway cases.
#include "runtime/decimal_to_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

float convert(std::uint64_t digits, int exp10, bool sticky = false) {
  auto v = rt::decimal_to_float(digits, exp10, sticky, false);
  EXPECT_TRUE(v.has_value());
  return v.value_or(NAN);
}

TEST(DecimalToFloat, MatchesCorrectlyRoundedLibraryConversion) {
  // glibc's strtof is correctly rounded; compare on random short decimals
  // (fast path) and long ones with large exponents (exact path).
  std::mt19937_64 rng(42);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t digits = rng() % (i % 2 == 0 ? 100000000ULL : 10000000000000000000ULL);
    const int exp10 = static_cast<int>(rng() % 60) - 40;
    char text[64];
    std::snprintf(text, sizeof text, "%llue%d", static_cast<unsigned long long>(digits), exp10);
    const float expected = std::strtof(text, nullptr);
    if (std::isinf(expected)) continue;
    EXPECT_EQ(convert(digits, exp10), expected) << text;
  }
}

TEST(DecimalToFloat, HalfwayCasesRoundToEvenUnlessDigitsWereDropped) {
  // 16777217 = 2^24 + 1 lies halfway between two floats.
  EXPECT_EQ(convert(16777217, 0), 16777216.0f);
  EXPECT_EQ(convert(16777217, 0, /*sticky=*/true), 16777218.0f);
  EXPECT_EQ(convert(16777219, 0), 16777220.0f);
}

TEST(DecimalToFloat, SignZeroAndOverflow) {
  auto neg = rt::decimal_to_float(152, -2, false, true);
  ASSERT_TRUE(neg);
  EXPECT_EQ(*neg, -1.52f);
  auto zero = rt::decimal_to_float(0, 0, false, true);
  ASSERT_TRUE(zero);
  EXPECT_TRUE(std::signbit(*zero));
  EXPECT_FALSE(rt::decimal_to_float(4, 38, false, false).has_value());
  EXPECT_EQ(convert(1, -45), 1e-45f);  // subnormal
}

}  // namespace
