// Fixed-column output: justification, signs, overflow asterisks and the
// exact-value rounding of Fw.d.
#include "runtime/field_write.h"

#include <gtest/gtest.h>

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
