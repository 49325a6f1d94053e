// Marking a selection: corners from mouse positions, marker-key moves with
// their repeat count, and the moves between marker and highlight.
#include "shell/edit/selection.h"

#include <gtest/gtest.h>

namespace {

using shell::MarkerKey;
using shell::SelectKind;
using shell::SelectPoint;

// 80 x 56 cells of 8 x 16 pixels, a client of 40 x 20 cells scrolled by
// 2 columns and 3 rows.
shell::SelectView view() {
  shell::SelectView v;
  v.scroll_x = 16;
  v.scroll_y = 48;
  v.view_width = 320;
  v.view_height = 320;
  v.screen_width = 640;
  v.screen_height = 896;
  v.text_columns = 80;
  v.text_rows = 56;
  return v;
}

TEST(SelectionPoints, MousePositionsInCellsAndPixels) {
  const shell::SelectView v = view();
  // A press snaps to the nearer cell boundary, a half upwards.
  EXPECT_EQ(shell::press_point(SelectKind::kText, 3, 5, v), (SelectPoint{2, 3}));
  EXPECT_EQ(shell::press_point(SelectKind::kText, 4, 5, v), (SelectPoint{3, 3}));
  EXPECT_EQ(shell::drag_point(SelectKind::kText, 7, 31, v), (SelectPoint{2, 4}));
  EXPECT_EQ(shell::drag_point(SelectKind::kGraphics, 7, 31, v), (SelectPoint{23, 79}));
  EXPECT_EQ(shell::drag_point(SelectKind::kText, 5000, 5000, v), (SelectPoint{79, 55}));
  EXPECT_EQ(shell::begin_marking(SelectKind::kText, v).anchor, (SelectPoint{2, 3}));
  EXPECT_EQ(shell::select_everything(false, v).end, (SelectPoint{79, 55}));
  EXPECT_EQ(shell::select_everything(true, v).end, (SelectPoint{639, 895}));
}

TEST(SelectionPoints, EdgesOfTheClientScrollWhileDragging) {
  const shell::EdgeStep right = shell::edge_step(320, 50, 320, 320);
  EXPECT_EQ(right.dx, 1);
  EXPECT_EQ(right.x, 319);
  const shell::EdgeStep corner = shell::edge_step(-7, 0, 320, 320);
  EXPECT_EQ(corner.dx, -1);
  EXPECT_EQ(corner.dy, -1);
  EXPECT_EQ(corner.x, 0);
  EXPECT_FALSE(shell::edge_step(1, 1, 320, 320).scrolls());
}

TEST(MarkerKeys, RepeatCountGrowsWhileHeldAndStartsAgainAfterRelease) {
  shell::KeyRepeat repeat;
  const shell::SelectView v = view();
  SelectPoint end{10, 10};
  int steps[3];
  for (int& step : steps) {
    const SelectPoint before = end;
    end = shell::moved_end(end, MarkerKey::kRight, false, repeat.key_down(), SelectKind::kText, v);
    step = end.x - before.x;
  }
  EXPECT_EQ(steps[0], 1);
  EXPECT_EQ(steps[1], 2);
  EXPECT_EQ(steps[2], 3);
  repeat.key_up();
  EXPECT_EQ(repeat.key_down(), 1);
  for (int i = 0; i < 300; ++i) repeat.key_down();
  EXPECT_EQ(repeat.count(), 127) << "never wraps round to a step backwards";
}

TEST(MarkerKeys, PagesHomeAndEndWithAndWithoutCtrl) {
  const shell::SelectView v = view();
  const SelectPoint end{30, 30};
  struct Case {
    MarkerKey key;
    bool ctrl;
    SelectPoint to;
  };
  const Case cases[] = {
      {MarkerKey::kPageUp, false, {30, 10}}, {MarkerKey::kPageDown, false, {30, 50}},
      {MarkerKey::kPageUp, true, {0, 30}},   {MarkerKey::kPageDown, true, {70, 30}},
      {MarkerKey::kHome, false, {0, 30}},    {MarkerKey::kHome, true, {0, 0}},
      {MarkerKey::kEnd, false, {79, 30}},    {MarkerKey::kEnd, true, {79, 55}},
      {MarkerKey::kUp, false, {30, 29}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shell::moved_end(end, c.key, c.ctrl, 1, SelectKind::kText, v), c.to)
        << static_cast<int>(c.key) << " ctrl " << c.ctrl;
  }
  EXPECT_EQ(shell::moved_end({5, 5}, MarkerKey::kPageDown, false, 1, SelectKind::kGraphics, v),
            (SelectPoint{5, 325}));
}

TEST(MarkerKeys, ShiftExtendsFromTheMarkerAndPlainKeysMoveTheMarker) {
  shell::Selection s = shell::begin_marking(SelectKind::kText, view());
  s.marker = true;
  shell::shift_down(s);
  shell::mark_with_key(s, {5, 3});
  EXPECT_TRUE(s.highlight);
  EXPECT_TRUE(s.copy_enabled);
  EXPECT_EQ(s.anchor, (SelectPoint{2, 3}));
  EXPECT_EQ(s.end, (SelectPoint{5, 3}));
  shell::shift_up(s);
  EXPECT_TRUE(s.copy_enabled);
  shell::mark_with_key(s, {6, 3});
  EXPECT_FALSE(s.highlight);
  EXPECT_FALSE(s.copy_enabled);
  EXPECT_TRUE(s.marker);
  EXPECT_EQ(s.anchor, (SelectPoint{6, 3}));
}

TEST(MouseMarking, CopyWaitsForTheRelease) {
  shell::Selection s = shell::begin_marking(SelectKind::kText, view());
  EXPECT_TRUE(shell::press(s, {4, 4}));
  EXPECT_FALSE(s.copy_enabled);
  shell::drag_to(s, {9, 6});
  const SelectPoint outside{0, 6};
  shell::release(s, &outside);
  EXPECT_EQ(s.end, outside);
  EXPECT_TRUE(s.copy_enabled);
  EXPECT_EQ(s.drag, shell::DragState::kReleased);
  EXPECT_FALSE(shell::press(s, {1, 1})) << "only the first press changes the caption";
}

}  // namespace
