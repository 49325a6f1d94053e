// Resolution of one direction of a configuration request: the rules for each
// combination of given values, the minimum-width raise, and the guards that
// keep degenerate requests from yielding zero cells or 16-bit overflow.
#include "shell/frame/config_axis.h"

#include <gtest/gtest.h>

namespace {

using shell::AxisPass;
using shell::AxisRequest;
using shell::resolve_axis;

// Columns on a 1280-pixel screen with an 8-pixel default cell and a
// 112-pixel minimum window width.
const shell::AxisLimits kAcross{8, 1280, 112};
// Rows, here without a minimum extent.
const shell::AxisLimits kDown{16, 1024, 0};

struct Case {
  const char* what;
  AxisRequest request;
  int cell;
  AxisPass pass;
  int count, resolved_cell, pixels;
  bool corrected;
};

void expect_case(const Case& c, const shell::AxisLimits& limits) {
  const shell::AxisResult r = resolve_axis(c.request, c.cell, limits, c.pass);
  EXPECT_EQ(r.axis.count, c.count) << c.what;
  EXPECT_EQ(r.axis.cell, c.resolved_cell) << c.what;
  EXPECT_EQ(r.axis.pixels, c.pixels) << c.what;
  EXPECT_EQ(r.corrected, c.corrected) << c.what;
}

TEST(ResolveAxis, RulesForEachCombinationOfGivenValues) {
  const Case cases[] = {
      {"all derived: whole screen", {-1, -1}, -1, AxisPass::kCheck, 160, 8, 1280, false},
      {"count only", {80, -1}, -1, AxisPass::kCheck, 80, 8, 640, false},
      {"pixels only", {-1, 695}, -1, AxisPass::kCheck, 86, 8, 695, false},
      {"count and pixels give the cell", {80, 700}, -1, AxisPass::kCheck, 80, 8, 700, false},
      {"cell and pixels: count corrected", {80, 700}, 8, AxisPass::kCheck, 87, 8, 700, true},
      {"cell and pixels: count agrees", {87, 700}, 8, AxisPass::kCheck, 87, 8, 700, false},
      {"cell and pixels: final keeps count", {80, 700}, 8, AxisPass::kFinal, 80, 8, 700, false},
      {"cell and pixels: count derived", {-1, 700}, 8, AxisPass::kCheck, 87, 8, 700, false},
      {"cell only: screen in whole cells", {-1, -1}, 9, AxisPass::kCheck, 142, 9, 1278, false},
      {"cell and count", {50, -1}, 9, AxisPass::kCheck, 50, 9, 450, false},
  };
  for (const Case& c : cases) expect_case(c, kAcross);
}

TEST(ResolveAxis, NarrowDerivedWidthIsRaisedToTheMinimum) {
  const Case cases[] = {
      {"given count, known cell", {5, -1}, 8, AxisPass::kCheck, 14, 8, 112, true},
      {"given count, default cell", {5, -1}, -1, AxisPass::kCheck, 14, 8, 112, true},
      {"final pass keeps the count", {5, -1}, 8, AxisPass::kFinal, 5, 8, 112, false},
  };
  for (const Case& c : cases) expect_case(c, kAcross);

  // The raised extent counts as given from then on.
  const auto r = resolve_axis({5, -1}, 8, kAcross, AxisPass::kCheck);
  EXPECT_EQ(r.request.pixels, 112);
  EXPECT_EQ(r.request.count, 14);
  // Without a minimum nothing is raised.
  expect_case({"one row", {1, -1}, 16, AxisPass::kCheck, 1, 16, 16, false}, kDown);
}

TEST(ResolveAxis, DegenerateRequestsKeepAtLeastOneWholeCell) {
  const Case cases[] = {
      {"more columns than pixels", {200, 150}, -1, AxisPass::kCheck, 18, 8, 150, true},
      {"cell wider than the screen", {-1, -1}, 2000, AxisPass::kCheck, 1, 2000, 2000, false},
      {"cell wider than the pixels", {-1, 150}, 300, AxisPass::kCheck, 1, 300, 300, true},
      {"count past 16 bits, known cell", {5000, -1}, 8, AxisPass::kCheck, 4095, 8, 32760, true},
      {"count past 16 bits, default cell", {5000, -1}, -1, AxisPass::kCheck, 4095, 8, 32760, true},
      {"largest cell", {-1, -1}, 32767, AxisPass::kCheck, 1, 32767, 32767, false},
  };
  for (const Case& c : cases) expect_case(c, kAcross);

  // Nonsense limits (no default cell, no screen) still give a usable axis.
  const auto r = resolve_axis({-1, -1}, -1, {0, 0, 0}, AxisPass::kCheck);
  EXPECT_EQ(r.axis.count, 1);
  EXPECT_EQ(r.axis.cell, 1);
  EXPECT_EQ(r.axis.pixels, 1);
}

TEST(ResolveAxis, ResultsAreUsableAndStableOverAGridOfRequests) {
  const int counts[] = {-1, 1, 5, 80, 87, 200, 5000, 32767};
  const int pixels[] = {-1, 1, 50, 112, 150, 695, 700, 32767};
  const int cells[] = {-1, 1, 7, 8, 9, 300, 32767};
  for (AxisPass pass : {AxisPass::kCheck, AxisPass::kFinal}) {
    for (int count : counts) {
      for (int px : pixels) {
        for (int cell : cells) {
          const auto r = resolve_axis({count, px}, cell, kAcross, pass);
          const auto& a = r.axis;
          SCOPED_TRACE(testing::Message() << count << " " << px << " " << cell);
          EXPECT_GE(a.count, 1);
          EXPECT_GE(a.cell, 1);
          EXPECT_GE(a.pixels, 1);
          EXPECT_LE(a.pixels, 32767);
          EXPECT_LE(a.cell, 32767);
          EXPECT_GE(a.pixels, kAcross.min_pixels);
          if (pass == AxisPass::kCheck && cell > 0) {
            EXPECT_LE(static_cast<long long>(a.count) * a.cell, a.pixels);
            // Checking the result again finds nothing to correct.
            const auto again = resolve_axis({a.count, a.pixels}, a.cell, kAcross, pass);
            EXPECT_FALSE(again.corrected);
            EXPECT_EQ(again.axis.count, a.count);
            EXPECT_EQ(again.axis.pixels, a.pixels);
          }
        }
      }
    }
  }
}

}  // namespace
