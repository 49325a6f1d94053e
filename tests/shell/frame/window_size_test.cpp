// Size records and window rectangles of SETWSIZEQQ and GETWSIZEQQ: record
// widening and checks, request routing, frame and child placement with the
// keep-current value, and that a child placed by cells reads back the same.
#include "shell/frame/window_size.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using shell::kKeepCurrent;
using shell::ShowState;
using shell::WideSizeRecord;
using shell::WindowRect;
using shell::WindowSizeRecord;

// Border 4 pixels ((27 - 19) / 2), 17-pixel scroll bars and thumbs.
const shell::ChildMetrics kChild{8, 16, 19, 27, 17, 17, 17, 17};
const shell::FrameMetrics kFrame{4, 4, 23, 20, 22};

void expect_record(const WindowSizeRecord& r, int type, int x, int y, int height, int width) {
  EXPECT_EQ(r.type, type);
  EXPECT_EQ(r.x, x);
  EXPECT_EQ(r.y, y);
  EXPECT_EQ(r.height, height);
  EXPECT_EQ(r.width, width);
}

TEST(SizeRecord, WidenAndNarrow) {
  const WideSizeRecord wide = shell::widen_size_record({4, -3, 7, 900, 700});
  EXPECT_EQ(wide.reserved, 0);
  EXPECT_EQ(wide.type, 4);
  EXPECT_EQ(wide.x, -3);
  EXPECT_EQ(wide.y, 7);
  EXPECT_EQ(wide.height, 900);
  EXPECT_EQ(wide.width, 700);
  // Values past 16 bits are clamped, not wrapped into the other sign.
  expect_record(shell::narrow_size_record({0, 4, 40000, -40000, 70000, 32767}), 4, 32767, -32768,
                32767, 32767);
}

TEST(SizeRecord, ReservedWordAndTypeChecks) {
  struct Case {
    std::int32_t reserved, type;
    int status;
  } cases[] = {
      {0, 1, 0},  {0, 2, 0},   {0, 3, 0}, {0, 4, 0},  {0, 0, -4},
      {0, 5, -4}, {0, -1, -4}, {1, 4, 7}, {-1, 9, 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shell::check_size_record({c.reserved, c.type, 0, 0, 0, 0}), c.status)
        << c.reserved << " " << c.type;
  }
}

TEST(SizeQuery, RequestsRouteToFrameOrWindow) {
  using Q = shell::SizeQuery;
  struct Case {
    std::int32_t unit, request;
    Q query;
  } cases[] = {
      {0, 1, Q::kFrameMaximum},
      {0, 2, Q::kFrameCurrent},
      {0, 3, Q::kWindowMaximum},
      {10, 4, Q::kWindowCurrent},
      {shell::kFrameUnit, 3, Q::kFrameMaximum},
      {shell::kFrameUnit, 4, Q::kFrameCurrent},
      {shell::kFrameUnit, 1, Q::kFrameMaximum},
      {0, 5, Q::kInvalid},
      {0, 0, Q::kInvalid},
      {0, -1, Q::kInvalid},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shell::size_query(c.unit, c.request), c.query) << c.unit << " " << c.request;
  }
}

TEST(FramePlacement, ClientSizeToOuterSize) {
  const shell::PixelSize outer = shell::frame_outer_size({700, 900}, kFrame);
  EXPECT_EQ(outer.width, 708);
  EXPECT_EQ(outer.height, 900 + 8 + 20 + 23 + 22);

  const WindowRect current{50, 60, 400, 300};
  const WindowRect placed = shell::frame_placement({0, 4, 10, 20, 900, 700}, current, kFrame);
  EXPECT_EQ(placed.x, 10);
  EXPECT_EQ(placed.y, 20);
  EXPECT_EQ(placed.width, outer.width);
  EXPECT_EQ(placed.height, outer.height);

  const WindowRect kept =
      shell::frame_placement({0, 4, kKeepCurrent, 20, kKeepCurrent, 700}, current, kFrame);
  EXPECT_EQ(kept.x, 50);
  EXPECT_EQ(kept.y, 20);
  EXPECT_EQ(kept.width, 708);
  EXPECT_EQ(kept.height, 300);
}

TEST(ChildPlacement, CellsToOuterRectangle) {
  EXPECT_EQ(shell::child_border(kChild), 4);
  shell::ChildMetrics odd = kChild;
  odd.min_window_height = 28;
  EXPECT_EQ(shell::child_border(odd), 4);
  shell::ChildMetrics inverted = kChild;
  inverted.min_window_height = 10;
  EXPECT_EQ(shell::child_border(inverted), 0);

  const WindowRect current{5, 6, 100, 200};
  const WindowRect r = shell::child_placement({0, 4, 2, 3, 25, 80}, current, kChild);
  EXPECT_EQ(r.x, 16);
  EXPECT_EQ(r.y, 48);
  EXPECT_EQ(r.width, 640 + 17 + 8);
  EXPECT_EQ(r.height, 400 + 17 + 8 + 19 + 1);

  const WindowRect kept =
      shell::child_placement({0, 4, 2, kKeepCurrent, kKeepCurrent, 80}, current, kChild);
  EXPECT_EQ(kept.x, 16);
  EXPECT_EQ(kept.y, 6);
  EXPECT_EQ(kept.width, 665);
  EXPECT_EQ(kept.height, 200);
}

TEST(ChildPlacement, ExtremeAndNegativeRequestsStaySane) {
  const WindowRect current{0, 0, 100, 100};
  const WindowRect huge =
      shell::child_placement({0, 4, INT_MAX - 1, 0, INT_MAX - 1, INT_MAX - 1}, current, kChild);
  EXPECT_EQ(huge.x, INT_MAX);
  EXPECT_EQ(huge.width, INT_MAX);
  EXPECT_EQ(huge.height, INT_MAX);
  // No cells asked: the outer size is the decorations alone.
  const WindowRect none = shell::child_placement({0, 4, 0, 0, -5, -5}, current, kChild);
  EXPECT_EQ(none.width, 17 + 8);
  EXPECT_EQ(none.height, 17 + 8 + 19 + 1);
}

TEST(ChildSize, PlacedChildReadsBackItsCells) {
  const WindowSizeRecord asked[] = {{4, 0, 0, 25, 80}, {4, 2, 3, 10, 40}, {4, 7, 1, 1, 1}};
  for (const WindowSizeRecord& a : asked) {
    const WindowRect outer =
        shell::child_placement(shell::widen_size_record(a), {0, 0, 0, 0}, kChild);
    const int border = shell::child_border(kChild);
    const WindowSizeRecord got =
        shell::child_current_size(ShowState::kNormal, outer, outer.x + border,
                                  outer.y + border + kChild.caption_height, {}, kChild);
    expect_record(got, 4, a.x, a.y, a.height, a.width);
  }
}

TEST(ChildSize, MinimisedMaximisedAndTinyWindows) {
  const WindowSizeRecord maximum{4, 0, 0, 36, 87};
  expect_record(
      shell::child_current_size(ShowState::kMinimized, {1, 2, 3, 4}, 0, 0, maximum, kChild), 1, 0,
      0, 0, 0);
  expect_record(
      shell::child_current_size(ShowState::kMaximized, {1, 2, 3, 4}, 0, 0, maximum, kChild), 2, 0,
      0, 36, 87);
  expect_record(
      shell::child_current_size(ShowState::kNormal, {0, 0, 10, 10}, 0, 0, maximum, kChild), 4, 0,
      -1, 0, 0);
  shell::ChildMetrics no_cell = kChild;
  no_cell.cell_width = 0;
  no_cell.cell_height = 0;
  const auto r =
      shell::child_current_size(ShowState::kNormal, {0, 0, 100, 100}, 4, 23, maximum, no_cell);
  EXPECT_EQ(r.width, 100 - 8 - 17);
}

TEST(ChildSize, MaximumRoundsToTheNearestCell) {
  struct Case {
    shell::PixelSize screen, client;
    int height, width;
  } cases[] = {
      {{695, 895}, {800, 600}, 36, 87},  // 695 / 8 = 86.9; 583 / 16 = 36.4
      {{12, 24}, {800, 600}, 2, 2},      // exact halves round up
      {{11, 23}, {800, 600}, 1, 1},
      {{695, 895}, {10, 10}, 0, 0},  // client smaller than the scroll bars
  };
  for (const auto& c : cases) {
    expect_record(shell::child_maximum_size(c.screen, c.client, kChild), 4, 0, 0, c.height,
                  c.width);
  }
}

TEST(FrameSize, CurrentMaximumAndStored) {
  const shell::PixelSize full{1280, 994};
  expect_record(shell::frame_maximum_size(full), 4, 0, 0, 994, 1280);
  const WindowRect outer{30, 40, 708, 973};
  expect_record(shell::frame_current_size(ShowState::kNormal, outer, {680, 870}, full), 4, 30, 40,
                870, 680);
  expect_record(shell::frame_current_size(ShowState::kMinimized, outer, {680, 870}, full), 1, 0, 0,
                0, 0);
  expect_record(shell::frame_current_size(ShowState::kMaximized, outer, {680, 870}, full), 2, 0, 0,
                994, 1280);

  const WindowRect stored{0, 0, 700, 900};
  expect_record(shell::frame_stored_size(0, stored, full), 0, 0, 0, 0, 0);
  expect_record(shell::frame_stored_size(1, stored, full), 1, 0, 0, 0, 0);
  expect_record(shell::frame_stored_size(2, stored, full), 2, 0, 0, 994, 1280);
  expect_record(shell::frame_stored_size(4, stored, full), 4, 0, 0, 900, 700);
}

TEST(ChildOuterForScreen, BordersAndCaption) {
  const shell::PixelSize s = shell::child_outer_for_screen({695, 895}, 4, 4, 19);
  EXPECT_EQ(s.width, 703);
  EXPECT_EQ(s.height, 895 + 8 + 19 - 1);
}

}  // namespace
