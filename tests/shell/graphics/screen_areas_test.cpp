// CLEARSCREEN's fill rectangles and text-buffer outcome per area, and the
// clip rectangles and pending flags of graphics and text drawing.
#include "shell/graphics/screen_areas.h"

#include <gtest/gtest.h>

#include "shell/graphics/coordinates.h"
#include "shell/graphics/graphics_status.h"

namespace {

using shell::PixelRect;
using shell::TextBufferAction;

shell::GraphicsState new_window(int width, int height) {
  shell::GraphicsState s;
  shell::init_graphics_state(s, width, height, 256);
  return s;
}

// An 80 x 30 text screen of 8 x 16 cells whose text window is rows
// top..bottom, columns left..right.
shell::TextGeometry text(int top, int left, int bottom, int right) {
  shell::TextGeometry t;
  t.cell_width = 8;
  t.cell_height = 16;
  t.top_row = top;
  t.left_column = left;
  t.bottom_row = bottom;
  t.right_column = right;
  t.text_rows = 30;
  t.text_columns = 80;
  return t;
}

TEST(ClearScreen, WholeWindowFillsTheBitmapAndForgetsEverything) {
  const auto s = new_window(640, 480);
  const auto plan = shell::plan_clear_screen(s, 0, text(2, 2, 5, 5));
  EXPECT_EQ(plan.status, shell::kStatusOk);
  EXPECT_EQ(plan.fill, (PixelRect{0, 0, 639, 479}));
  EXPECT_EQ(plan.text_buffer, TextBufferAction::kDiscard);
  EXPECT_TRUE(plan.clears_has_graphics);
}

TEST(ClearScreen, ViewportDiscardsTextOnlyWhenItIsTheWholeScreen) {
  auto s = new_window(640, 480);
  auto plan = shell::plan_clear_screen(s, 1, text(1, 1, 30, 80));
  EXPECT_EQ(plan.fill, (PixelRect{0, 0, 639, 479}));
  EXPECT_EQ(plan.text_buffer, TextBufferAction::kDiscard);
  EXPECT_FALSE(plan.clears_has_graphics);

  shell::set_viewport(s, 10, 20, 100, 200);
  plan = shell::plan_clear_screen(s, 1, text(1, 1, 30, 80));
  EXPECT_EQ(plan.fill, (PixelRect{10, 20, 100, 200}));
  EXPECT_EQ(plan.text_buffer, TextBufferAction::kKeep);

  shell::set_viewport(s, 0, 0, 639, 478);  // one row short of the screen
  EXPECT_EQ(shell::plan_clear_screen(s, 1, text(1, 1, 30, 80)).text_buffer,
            TextBufferAction::kKeep);
}

TEST(ClearScreen, ReportWindowViewportCoversItsWholeScreen) {
  auto s = new_window(695, 895);
  shell::set_viewport(s, 0, 0, 695, 895);
  shell::set_window(s, 1, 0, 0, 695, 895);
  const auto plan = shell::plan_clear_screen(s, 1, text(1, 1, 30, 80));
  EXPECT_EQ(plan.fill, (PixelRect{0, 0, 694, 894}));
  EXPECT_EQ(plan.text_buffer, TextBufferAction::kDiscard);
}

TEST(ClearScreen, TextWindowWholeOrPart) {
  const auto s = new_window(640, 480);
  auto plan = shell::plan_clear_screen(s, 2, text(1, 1, 30, 80));
  EXPECT_EQ(plan.fill, (PixelRect{0, 0, 639, 479}));
  EXPECT_EQ(plan.text_buffer, TextBufferAction::kDiscard);
  EXPECT_FALSE(plan.clears_has_graphics);

  plan = shell::plan_clear_screen(s, 2, text(3, 11, 4, 20));
  EXPECT_EQ(plan.fill, (PixelRect{80, 32, 159, 63}));
  EXPECT_EQ(plan.text_buffer, TextBufferAction::kBlankTextWindow);

  plan = shell::plan_clear_screen(s, 2, text(1, 1, 30, 79));  // one column short
  EXPECT_EQ(plan.text_buffer, TextBufferAction::kBlankTextWindow);
}

TEST(ClearScreen, UnknownAreaDoesNothing) {
  const auto s = new_window(640, 480);
  for (std::int16_t area : {3, -1, 32767, -32768}) {
    const auto plan = shell::plan_clear_screen(s, area, text(1, 1, 30, 80));
    EXPECT_EQ(plan.status, shell::kStatusInvalidParameter) << area;
    EXPECT_EQ(plan.text_buffer, TextBufferAction::kKeep) << area;
    EXPECT_FALSE(plan.clears_has_graphics) << area;
  }
}

TEST(TextWindowRect, StopsAtTheLastPixelOfItsCells) {
  // Two text windows side by side must not share a pixel column, or clearing
  // one would erase a sliver of the other's characters.
  const PixelRect left = shell::text_window_rect(text(1, 1, 2, 10));
  const PixelRect right = shell::text_window_rect(text(1, 11, 2, 20));
  EXPECT_EQ(left, (PixelRect{0, 0, 79, 31}));
  EXPECT_EQ(right.left, left.right + 1);
  const PixelRect below = shell::text_window_rect(text(3, 1, 3, 10));
  EXPECT_EQ(below.top, left.bottom + 1);
}

TEST(ClipFlags, SelectingOneKindMakesTheOtherPending) {
  auto s = new_window(100, 100);
  shell::note_graphics_clip_selected(s);
  EXPECT_FALSE(s.graphics_clip_pending);
  EXPECT_TRUE(s.text_clip_pending);
  shell::note_text_clip_selected(s);
  EXPECT_TRUE(s.graphics_clip_pending);
  EXPECT_FALSE(s.text_clip_pending);
  shell::note_clips_removed(s);
  EXPECT_TRUE(s.graphics_clip_pending && s.text_clip_pending);
  shell::set_viewport(s, 5, 6, 7, 8);
  EXPECT_EQ(shell::viewport_rect(s), (PixelRect{5, 6, 7, 8}));
}

}  // namespace
