// Viewport, view origin and world bounds, and the conversions between
// physical, view and window coordinates, including the inverted Y axis and
// the report window's set-up on a 695 x 895 screen.
#include "shell/graphics/coordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "shell/graphics/graphics_status.h"

namespace {

using shell::XyPair;

shell::GraphicsState new_window(int width, int height) {
  shell::GraphicsState s;
  shell::init_graphics_state(s, width, height, 256);
  return s;
}

struct Rect {
  int left, top, right, bottom;
};

void expect_viewport(const shell::GraphicsState& s, Rect r) {
  EXPECT_EQ(s.viewport_left, r.left);
  EXPECT_EQ(s.viewport_top, r.top);
  EXPECT_EQ(s.viewport_right, r.right);
  EXPECT_EQ(s.viewport_bottom, r.bottom);
}

TEST(RoundHalfAway, HalvesGoAwayFromZero) {
  struct Case {
    double v, r;
  } cases[] = {
      {2.5, 3},
      {-2.5, -3},
      {0, 0},
      {0.49, 0},
      {-0.49, 0},
      {1.5, 2},
      {-1.5, -2},
      {2.4999, 2},
      {-0.5, -1},
      {0.5, 1},
      {1e10 + 0.5, 1e10 + 1},
  };
  for (const Case& c : cases) EXPECT_EQ(shell::round_half_away(c.v), c.r) << c.v;
}

TEST(CutToInt16, SaturatesInsteadOfWrapping) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double v;
    std::int16_t cut;
  } cases[] = {
      {12, 12},         {-12, -12},     {32767, 32767}, {32768, 32767}, {40000, 32767},
      {-40000, -32768}, {1e300, 32767}, {inf, 32767},   {-inf, -32768}, {std::nan(""), -32768},
  };
  for (const Case& c : cases) EXPECT_EQ(shell::cut_to_int16(c.v), c.cut) << c.v;
}

TEST(NewWindow, IdentityMappingAndCentredPosition) {
  const auto s = new_window(640, 481);
  EXPECT_EQ(shell::window_to_view(s, 0, 0), (XyPair{0, 0}));
  EXPECT_EQ(shell::window_to_view(s, 639, 480), (XyPair{639, 480}));
  EXPECT_EQ(s.scale_x, 1);
  EXPECT_EQ(s.scale_y, 1);
  EXPECT_EQ(shell::current_position_view(s), (XyPair{320, 240}));
  const auto w = shell::current_position_window(s);
  EXPECT_EQ(w.x, 320);
  EXPECT_EQ(w.y, 240);
}

TEST(SetViewport, OriginFirstThenOrderClampAndReject) {
  struct Case {
    const char* what;
    std::int16_t x1, y1, x2, y2;
    std::int16_t status;
    Rect viewport;
    int origin_x, origin_y;
  } cases[] = {
      {"inside", 10, 20, 110, 220, shell::kStatusOk, {10, 20, 110, 220}, 10, 20},
      {"right edge beyond a narrow screen",
       0,
       0,
       695,
       895,
       shell::kStatusAltered,
       {0, 0, 599, 799},
       0,
       0},
      {"zero width rejected, origin kept",
       10,
       10,
       10,
       50,
       shell::kStatusError,
       {0, 0, 599, 799},
       10,
       10},
      {"swapped corners", 100, 50, 20, 10, shell::kStatusAltered, {20, 10, 100, 50}, 20, 10},
      {"negative corner clamped", -10, -5, 50, 60, shell::kStatusAltered, {0, 0, 50, 60}, -10, -5},
      {"both x beyond the screen", 700, 0, 800, 10, shell::kStatusError, {0, 0, 599, 799}, 700, 0},
      {"good x, degenerate y: nothing stored",
       5,
       7,
       50,
       7,
       shell::kStatusError,
       {0, 0, 599, 799},
       5,
       7},
      {"both y below zero", 0, -20, 10, -10, shell::kStatusError, {0, 0, 599, 799}, 0, -20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto s = new_window(600, 800);
    s.graphics_clip_pending = false;
    EXPECT_EQ(shell::set_viewport(s, c.x1, c.y1, c.x2, c.y2), c.status);
    expect_viewport(s, c.viewport);
    EXPECT_EQ(s.origin_x, c.origin_x);
    EXPECT_EQ(s.origin_y, c.origin_y);
    EXPECT_EQ(s.graphics_clip_pending, c.status != shell::kStatusError);
  }
}

TEST(SetViewport, RecomputesScales) {
  auto s = new_window(1000, 1000);
  shell::set_window(s, 0, 0, 0, 100, 100);
  EXPECT_DOUBLE_EQ(s.scale_x, 9.99);
  shell::set_viewport(s, 0, 0, 200, 50);
  EXPECT_DOUBLE_EQ(s.scale_x, 2.0);
  EXPECT_DOUBLE_EQ(s.scale_y, 0.5);
}

TEST(SetClipRegion, KeepsOriginAndScales) {
  auto s = new_window(1000, 1000);
  shell::set_view_origin(s, 3, 4);
  EXPECT_EQ(shell::set_clip_region(s, 20, 10, 10, 30), shell::kStatusAltered);
  expect_viewport(s, {10, 10, 20, 30});
  EXPECT_EQ(s.origin_x, 3);
  EXPECT_EQ(s.origin_y, 4);
  EXPECT_EQ(s.scale_x, 1);  // left for the next change of bounds
}

TEST(SetViewOrigin, UncheckedAndReturnsThePrevious) {
  auto s = new_window(100, 100);
  EXPECT_EQ(shell::set_view_origin(s, -500, 30000), (XyPair{0, 0}));
  EXPECT_EQ(shell::set_view_origin(s, 1, 2), (XyPair{-500, 30000}));
}

TEST(SetWindow, RejectsEmptyAndNonFiniteBounds) {
  const double nan = std::nan("");
  const double inf = std::numeric_limits<double>::infinity();
  const double big = std::numeric_limits<double>::max();
  struct Case {
    double x1, y1, x2, y2;
  } cases[] = {
      {5, 0, 5, 10},   {0, 3, 10, 3},    {nan, 0, 10, 10},   {0, 0, 10, nan},
      {0, 0, inf, 10}, {-inf, 0, 0, 10}, {-big, 0, big, 10},  // span overflows
  };
  for (const Case& c : cases) {
    auto s = new_window(100, 200);
    const auto r = shell::set_window(s, 1, c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(r.result, 0) << c.x1 << ' ' << c.y1 << ' ' << c.x2 << ' ' << c.y2;
    EXPECT_EQ(r.status, shell::kStatusError);
    EXPECT_EQ(s.window_x2, 99);
    EXPECT_EQ(s.window_y2, 199);
    EXPECT_FALSE(s.invert);
  }
}

TEST(SetWindow, OrdersBoundsAndReadsInvertFromTheLowByte) {
  auto s = new_window(101, 101);
  auto r = shell::set_window(s, 0, 10, -10, -10, 10);
  EXPECT_EQ(r.result, 1);
  EXPECT_EQ(r.status, shell::kStatusAltered);
  EXPECT_EQ(s.window_x1, -10);
  EXPECT_EQ(s.window_x2, 10);
  EXPECT_EQ(s.window_y1, -10);
  EXPECT_EQ(s.window_y2, 10);
  EXPECT_DOUBLE_EQ(s.scale_x, 5.0);
  EXPECT_DOUBLE_EQ(s.inverse_scale_y, 0.2);

  struct Case {
    std::int32_t invert;
    bool set;
  } cases[] = {{0, false}, {1, true}, {-1, true}, {0x100, false}, {0x7F00, false}, {0x180, true}};
  for (const Case& c : cases) {
    r = shell::set_window(s, c.invert, 0, 0, 1, 1);
    EXPECT_EQ(r.status, shell::kStatusOk);
    EXPECT_EQ(s.invert, c.set) << c.invert;
  }
}

TEST(InvertedWindow, ViewportOfALargeScreen) {
  auto s = new_window(1024, 1024);
  EXPECT_EQ(shell::set_viewport(s, 0, 0, 695, 895), shell::kStatusOk);
  EXPECT_EQ(shell::set_window(s, 1, 0, 0, 695, 895).result, 1);
  EXPECT_EQ(shell::window_to_view(s, 0, 0), (XyPair{0, 895}));
  EXPECT_EQ(shell::window_to_view(s, 695, 895), (XyPair{695, 0}));
}

TEST(InvertedWindow, ReportWindowOnItsOwnScreen) {
  auto s = new_window(695, 895);
  EXPECT_EQ(shell::set_viewport(s, 0, 0, 695, 895), shell::kStatusAltered);
  expect_viewport(s, {0, 0, 694, 894});
  EXPECT_EQ(shell::set_window(s, 1, 0, 0, 695, 895).status, shell::kStatusOk);
  EXPECT_EQ(shell::window_to_view(s, 0, 0), (XyPair{0, 894}));
  EXPECT_EQ(shell::window_to_view(s, 695, 895), (XyPair{694, 0}));
}

TEST(InvertedWindow, OriginAwayFromTheViewportCountsFromTheScreenBottom) {
  auto s = new_window(100, 100);
  shell::set_window(s, 1, 0, 0, 99, 99);
  EXPECT_EQ(shell::window_to_view(s, 0, 0), (XyPair{0, 99}));
  shell::set_viewport(s, 10, 10, 60, 60);  // origin at the viewport's corner
  shell::set_window(s, 1, 0, 0, 50, 50);
  EXPECT_EQ(shell::window_to_view(s, 0, 0), (XyPair{0, 50}));    // physical row 60
  EXPECT_EQ(shell::window_to_view(s, 50, 50), (XyPair{50, 0}));  // physical row 10
  shell::set_view_origin(s, 10, 20);
  EXPECT_EQ(shell::window_to_view(s, 0, 0), (XyPair{0, 79}));  // physical row 99
}

TEST(WindowToView, RoundsHalvesAwayAndSaturates) {
  auto s = new_window(201, 201);
  shell::set_window(s, 0, -100, -100, 100, 100);  // scale 1, x1 = -100
  EXPECT_EQ(shell::window_to_view(s, -97.5, -102.5), (XyPair{3, -3}));
  EXPECT_EQ(shell::window_to_view(s, 1e9, -1e9), (XyPair{32767, -32768}));
  EXPECT_EQ(shell::window_to_view(s, std::nan(""), 0).x, -32768);
}

TEST(ViewToWindow, InvertsWindowToViewWithoutRounding) {
  auto s = new_window(400, 300);
  shell::set_viewport(s, 20, 30, 220, 130);
  for (std::int32_t invert : {0, 1}) {
    shell::set_window(s, invert, -2, 5, 2, 7);  // scale 50 x 50
    for (double wx : {-2.0, -1.0, 0.5, 2.0}) {
      for (double wy : {5.0, 5.5, 6.2, 7.0}) {
        const XyPair v = shell::window_to_view(s, wx, wy);
        const auto w = shell::view_to_window(s, v.x, v.y);
        EXPECT_DOUBLE_EQ(w.x, wx) << invert;
        EXPECT_DOUBLE_EQ(w.y, wy) << invert;
      }
    }
  }
  shell::set_window(s, 0, 0, 0, 400, 200);  // scale 0.5: one pixel is two units
  const auto w = shell::view_to_window(s, 3, 1);
  EXPECT_DOUBLE_EQ(w.x, 6.0);
  EXPECT_DOUBLE_EQ(w.y, 2.0);
  shell::set_window(s, 0, 0, 0, 800, 50);  // scale 0.25 x 2: half units kept
  EXPECT_DOUBLE_EQ(shell::view_to_window(s, 1, 3).y, 1.5);
}

TEST(PhysicalAndView, OffsetByTheOriginAndSaturated) {
  auto s = new_window(100, 100);
  shell::set_view_origin(s, 10, -20);
  EXPECT_EQ(shell::physical_to_view(s, 15, 15), (XyPair{5, 35}));
  EXPECT_EQ(shell::view_to_physical(s, 5, 35), (XyPair{15, 15}));
  shell::set_view_origin(s, -30000, 30000);
  EXPECT_EQ(shell::physical_to_view(s, 30000, -30000), (XyPair{32767, -32768}));
  EXPECT_EQ(shell::view_to_physical(s, -30000, 30000), (XyPair{-32768, 32767}));
}

TEST(OnePixelScreen, ConversionsStayDefined) {
  auto s = new_window(1, 1);
  EXPECT_EQ(shell::window_to_view(s, 5, -5), (XyPair{0, 0}));
  const auto w = shell::view_to_window(s, 7, 7);
  EXPECT_EQ(w.x, 0);
  EXPECT_EQ(w.y, 0);
}

TEST(InViewport, EdgesIncluded) {
  auto s = new_window(100, 100);
  shell::set_viewport(s, 10, 20, 30, 40);
  EXPECT_TRUE(shell::in_viewport(s, 10, 20));
  EXPECT_TRUE(shell::in_viewport(s, 30, 40));
  EXPECT_FALSE(shell::in_viewport(s, 9, 20));
  EXPECT_FALSE(shell::in_viewport(s, 30, 41));
}

}  // namespace
