// Fixed-column input: number field rules and the column reader.
#include "runtime/field_read.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

TEST(IntegerField, BlanksSignsAndErrors) {
  struct Case {
    const char* field;
    std::optional<int> value;
  } cases[] = {
      {"   12", 12},
      {" 1 2 ", 12},
      {"     ", 0},
      {"  -10", -10},
      {"+7", 7},
      {"001", 1},
      {"-", 0},
      {"1a", {}},
      {"1.0", {}},
      {"--1", {}},
      {"1-", {}},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", {}},
      {"\t1", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rt::parse_integer_field(c.field), c.value) << '"' << c.field << '"';
  }
}

TEST(RealField, ImpliedDecimalsAndPoint) {
  struct Case {
    const char* field;
    int decimals;
    std::optional<float> value;
  } cases[] = {
      {"15.20", 2, 15.2f},      {"  152", 2, 1.52f},   {"     ", 2, 0.0f},  {" 1 5.2", 2, 15.2f},
      {"-12.345", 3, -12.345f}, {"12345", 3, 12.345f}, {"100.", 2, 100.0f}, {".5", 2, 0.5f},
      {"-.25", 2, -0.25f},      {"7", 0, 7.0f},        {"1.2.3", 2, {}},    {"1e5", 2, {}},
      {"1,5", 2, {}},           {"abc", 2, {}},        {"+3.0", 1, 3.0f},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rt::parse_real_field(c.field, c.decimals), c.value) << '"' << c.field << '"';
  }
}

// The quick conversions must give exactly what the general rules give
// wherever they answer: bit for bit, the sign of zero included.
bool same_bits(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void expect_quick_real_agrees(const std::string& field, int decimals, int& answered) {
  float quick = 0;
  if (!rt::quick_real_field(field.data(), static_cast<int>(field.size()), decimals, quick)) return;
  ++answered;
  const std::optional<float> exact = rt::parse_real_field_exact(field, decimals);
  ASSERT_TRUE(exact.has_value()) << '"' << field << '"';
  ASSERT_TRUE(same_bits(quick, *exact)) << '"' << field << "\" " << quick << " vs " << *exact;
}

TEST(QuickFields, ScalingDownEqualsTheFloatDivisionForEverySignificand) {
  static const float kPow10[] = {1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f};
  for (int decimals = 1; decimals <= 7; ++decimals) {
    const float divisor = kPow10[decimals - 1];
    for (std::uint32_t s = 0; s < (1u << 24); ++s) {
      const float quotient = static_cast<float>(s) / divisor;
      if (!same_bits(rt::quick::scaled_down(s, decimals), quotient))
        FAIL() << s << " / 10^" << decimals;
    }
  }
}

TEST(QuickFields, EveryFiveColumnFieldAgreesWithTheGeneralRules) {
  // Every 5-column text over blanks, signs, a point and the digits: all
  // 10^5 digit strings, with a point anywhere, with blanks and signs.
  const char kAlphabet[] = " +-.0123456789";
  constexpr int kSymbols = sizeof kAlphabet - 1;
  int real_answers = 0;
  int integer_answers = 0;
  std::string field(5, ' ');
  for (int n = 0; n < kSymbols * kSymbols * kSymbols * kSymbols * kSymbols; ++n) {
    for (int i = 0, v = n; i < 5; ++i, v /= kSymbols)
      field[static_cast<std::size_t>(i)] = kAlphabet[v % kSymbols];
    expect_quick_real_agrees(field, 2, real_answers);
    std::int32_t quick = 0;
    if (rt::quick_integer_field(field.data(), 5, quick)) {
      ++integer_answers;
      ASSERT_EQ(std::optional<std::int32_t>(quick), rt::parse_integer_field(field)) << field;
    }
  }
  // The shapes that coordinate files hold must be settled quickly.
  EXPECT_GT(real_answers, 10000);      // every "dd.dd" among them
  EXPECT_GT(integer_answers, 100000);  // every right-justified number among them
}

TEST(QuickFields, RandomCoordinateFieldsAgreeWithTheGeneralRules) {
  // Fields as coordinate programs write them (%7.3f, %11.3f, %6.2f), some
  // with one character changed, and wholly random ones.
  std::mt19937 rng(20240611);
  const char kAlphabet[] = "  -+.0123456789";
  struct Layout {
    int width;
    int decimals;
  };
  const Layout layouts[] = {{7, 3}, {11, 3}, {6, 2}};
  int answered = 0;
  char text[32];
  for (int i = 0; i < 1500000; ++i) {
    const Layout& l = layouts[i % 3];
    std::string field;
    if (i % 5 == 4) {
      for (int k = 0; k < l.width; ++k) field += kAlphabet[rng() % (sizeof kAlphabet - 1)];
    } else {
      // Up to 3e4 in the wide field, across the largest quick value 16777.215.
      const double limit = l.width == 11 ? 3e4 : std::pow(10.0, l.width - l.decimals - 1);
      const double value = (static_cast<double>(rng()) / 4294967296.0 * 2 - 1) * limit;
      std::snprintf(text, sizeof text, "%*.*f", l.width, l.decimals, value);
      field = std::string(text).substr(0, static_cast<std::size_t>(l.width));
      if (i % 5 == 3) field[rng() % field.size()] = kAlphabet[rng() % (sizeof kAlphabet - 1)];
    }
    expect_quick_real_agrees(field, l.decimals, answered);
  }
  EXPECT_GT(answered, 1500000 / 3);
}

TEST(FieldReader, ColumnsPastTheRecordReadAsBlanks) {
  char name[4];
  std::int32_t n = -1;
  float x = -1;
  rt::FieldReader r("ATOM  12");
  r.skip(4).integer(4, n).chars(4, name).real(5, 2, x);
  EXPECT_FALSE(r.failed());
  EXPECT_EQ(n, 12);
  EXPECT_EQ(std::string(name, 4), "    ");
  EXPECT_EQ(x, 0.0f);
}

TEST(FieldReader, FirstBadFieldStopsConversionAndIsReported) {
  std::int32_t a = -1, b = -1;
  float x = -1;
  rt::FieldReader r("  1  x  3 1.5");
  r.integer(3, a).integer(3, b).real(7, 1, x);
  EXPECT_TRUE(r.failed());
  EXPECT_EQ(r.failed_column(), 4);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, -1);
  EXPECT_EQ(x, -1.0f);  // fields after the error are left alone
}

}  // namespace

namespace {

TEST(RealField, LongDigitStringsRoundCorrectly) {
  // More significant digits than a 64-bit integer holds; the first lies
  // just above a point halfway between two floats.
  EXPECT_EQ(rt::parse_real_field("100000006402134245377", 0), 100000010800180756480.0f);
  // Just above the largest float by more than half a unit: out of range.
  EXPECT_FALSE(rt::parse_real_field("340282356779733661637539395458142568448", 0).has_value());
}

}  // namespace
