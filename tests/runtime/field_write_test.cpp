// Fixed-column output: justification, signs, overflow asterisks and the
// exact-value rounding of Fw.d.
#include "runtime/field_write.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

namespace {

TEST(IntegerOutput, RightJustifiedWithSignAndStars) {
  EXPECT_EQ(rt::format_integer(10, 3), " 10");
  EXPECT_EQ(rt::format_integer(-10, 3), "-10");
  EXPECT_EQ(rt::format_integer(-100, 3), "***");
  EXPECT_EQ(rt::format_integer(1000, 3), "***");
  EXPECT_EQ(rt::format_integer(0, 6), "     0");
  EXPECT_EQ(rt::format_integer(-2147483648LL, 11), "-2147483648");
}

TEST(FixedOutput, RoundsTheExactBinaryValueHalfAwayFromZero) {
  EXPECT_EQ(rt::format_fixed(0.125, 7, 2), "   0.13");  // exact tie: away from zero
  EXPECT_EQ(rt::format_fixed(-0.125, 7, 2), "  -0.13");
  EXPECT_EQ(rt::format_fixed(2.675, 7, 2), "   2.67");  // stored just below 2.675
  EXPECT_EQ(rt::format_fixed(static_cast<float>(20.125f), 7, 2), "  20.13");
  EXPECT_EQ(rt::format_fixed(static_cast<double>(15.2f), 7, 2), "  15.20");
  EXPECT_EQ(rt::format_fixed(0.94, 7, 2), "   0.94");  // leading zero kept
  EXPECT_EQ(rt::format_fixed(0.0, 7, 2), "   0.00");
  EXPECT_EQ(rt::format_fixed(0.004999, 7, 2), "   0.00");
  EXPECT_EQ(rt::format_fixed(9999.994, 7, 2), "9999.99");
  EXPECT_EQ(rt::format_fixed(9999.995, 7, 2), "*******");  // rounds to 10000.00
  EXPECT_EQ(rt::format_fixed(-999.99, 7, 2), "-999.99");
  EXPECT_EQ(rt::format_fixed(1e30, 7, 2), "*******");
  EXPECT_EQ(rt::format_fixed(3.5, 4, 0), "  4.");
}

TEST(FixedOutput, LeadingZeroDroppedOnlyWhenThatMakesItFit) {
  EXPECT_EQ(rt::format_fixed(0.94, 3, 2), ".94");
  EXPECT_EQ(rt::format_fixed(-0.5, 4, 2), "-.50");
  EXPECT_EQ(rt::format_fixed(0.5, 2, 2), "**");
}

TEST(FixedOutput, FloatRouteEqualsTheExactRoute) {
  // Values a float holds take a quicker route; it must write what the
  // exact integer route writes: the hundredths and their neighbours, the
  // exact ties (eighths), and random floats of every size.
  auto check = [](float f, int width, int decimals) {
    char quick[24], exact[24];
    rt::put_fixed(quick, f, width, decimals);
    rt::put_fixed_exact(exact, f, width, decimals);
    ASSERT_EQ(std::string(quick, static_cast<std::size_t>(width)),
              std::string(exact, static_cast<std::size_t>(width)))
        << f << " F" << width << "." << decimals;
  };
  for (int k = 0; k <= 1000000; ++k) {
    const float f = static_cast<float>(k) / 100.0f;
    check(f, 7, 2);
    check(std::nextafter(f, 0.0f), 7, 2);
    check(-std::nextafter(f, 1e9f), 9, 2);
    check(static_cast<float>(k) / 8.0f, 12, 2);
  }
  std::mt19937 rng(7);
  for (int i = 0; i < 300000; ++i) {
    std::uint32_t bits = static_cast<std::uint32_t>(rng());
    float f;
    std::memcpy(&f, &bits, sizeof f);
    if (!std::isfinite(f)) continue;
    check(f, 20, static_cast<int>(i % 5));
  }
}

TEST(RecordBuilder, FieldsAppendLeftToRight) {
  const std::string rec = rt::RecordBuilder()
                              .text("Chain identifier of chain no.")
                              .integer(10, 3)
                              .text(" : ")
                              .text("A")
                              .str();
  EXPECT_EQ(rec, "Chain identifier of chain no. 10 : A");
  EXPECT_EQ(rt::list_directed_text("No legal file name specified"),
            " No legal file name specified");
}

}  // namespace
