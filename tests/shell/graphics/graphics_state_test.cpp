// Defaults of a new or reconfigured window's graphics state and the scales
// derived from viewport and world bounds.
#include "shell/graphics/graphics_state.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(GraphicsStateReset, DefaultsOfAConfiguredWindow) {
  shell::GraphicsState s;
  s.has_graphics = true;
  s.graphics_clip_pending = s.text_clip_pending = false;
  s.text_color = shell::rgb_word(0x123456);
  s.origin_x = 40;
  shell::init_graphics_state(s, 695, 895, 256);
  EXPECT_EQ(s.screen_width, 695);
  EXPECT_EQ(s.screen_height, 895);
  EXPECT_EQ(s.current_x, 347);
  EXPECT_EQ(s.current_y, 447);
  EXPECT_EQ(s.colors, 256);
  EXPECT_EQ(s.viewport_left, 0);
  EXPECT_EQ(s.viewport_top, 0);
  EXPECT_EQ(s.viewport_right, 694);
  EXPECT_EQ(s.viewport_bottom, 894);
  EXPECT_EQ(s.origin_x, 0);
  EXPECT_EQ(s.origin_y, 0);
  EXPECT_EQ(s.window_x1, 0);
  EXPECT_EQ(s.window_x2, 694);
  EXPECT_EQ(s.window_y1, 0);
  EXPECT_EQ(s.window_y2, 894);
  EXPECT_EQ(s.scale_x, 1);
  EXPECT_EQ(s.scale_y, 1);
  EXPECT_EQ(s.inverse_scale_x, 1);
  EXPECT_EQ(s.inverse_scale_y, 1);
  EXPECT_EQ(s.graphics_color, shell::index_word(15));
  EXPECT_EQ(s.text_color, shell::index_word(15));
  EXPECT_EQ(s.background_color, shell::index_word(0));
  EXPECT_FALSE(s.has_graphics);
  EXPECT_FALSE(s.invert);
  EXPECT_TRUE(s.graphics_clip_pending);
  EXPECT_TRUE(s.text_clip_pending);
}

TEST(GraphicsStateReset, GraphicsColourOfSmallPalettes) {
  shell::GraphicsState s;
  shell::reset_graphics_state(s, 10, 10, 2);
  EXPECT_EQ(s.graphics_color, shell::index_word(1));
  EXPECT_EQ(s.text_color, shell::index_word(15));
}

TEST(GraphicsStateReset, InvertSurvivesReconfigurationButNotCreation) {
  shell::GraphicsState s;
  EXPECT_FALSE(s.invert);  // a value-initialised state is a new window's
  s.invert = true;
  shell::reset_graphics_state(s, 640, 480, 16);
  EXPECT_TRUE(s.invert);
  shell::init_graphics_state(s, 640, 480, 16);
  EXPECT_FALSE(s.invert);
}

TEST(RecomputeScales, InclusiveEdgesSubtractedAsTheyStand) {
  shell::GraphicsState s;
  shell::reset_graphics_state(s, 1000, 1000, 16);
  s.viewport_right = 100;
  s.viewport_bottom = 50;
  s.window_x2 = 50;
  s.window_y1 = -50;
  s.window_y2 = 50;
  shell::recompute_scales(s);
  EXPECT_DOUBLE_EQ(s.scale_x, 2.0);
  EXPECT_DOUBLE_EQ(s.scale_y, 0.5);
  EXPECT_DOUBLE_EQ(s.inverse_scale_x, 0.5);
  EXPECT_DOUBLE_EQ(s.inverse_scale_y, 2.0);
}

TEST(RecomputeScales, OnePixelScreenStaysFinite) {
  shell::GraphicsState s;
  shell::reset_graphics_state(s, 1, 1, 16);
  EXPECT_EQ(s.scale_x, 0);
  EXPECT_EQ(s.inverse_scale_x, 0);
  s.window_x2 = 10;  // a world span on a zero-pixel span
  shell::recompute_scales(s);
  EXPECT_EQ(s.scale_x, 0);
  EXPECT_EQ(s.inverse_scale_x, 0);
  EXPECT_TRUE(std::isfinite(s.scale_y) && std::isfinite(s.inverse_scale_y));
}

}  // namespace
