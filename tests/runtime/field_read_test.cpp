// Fixed-column input: number field rules and the column reader.
#include "runtime/field_read.h"

#include <gtest/gtest.h>

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
