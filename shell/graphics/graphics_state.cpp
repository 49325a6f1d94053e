// Reset of a window's graphics state and the derived scales.
#include "shell/graphics/graphics_state.h"

namespace shell {
namespace {

// Pixels per world unit for one axis; 0 when either span is empty.
double axis_scale(int pixel_span, double world_span) {
  if (pixel_span == 0 || !(world_span > 0)) return 0;
  return pixel_span / world_span;
}

double inverse_of(double scale) {
  return scale == 0 ? 0 : 1 / scale;
}

}  // namespace

void reset_graphics_state(GraphicsState& state, int width, int height, int colors) {
  const bool invert = state.invert;
  state = GraphicsState{};
  state.invert = invert;
  state.graphics_color = default_graphics_color(colors);
  state.screen_width = width;
  state.screen_height = height;
  state.current_x = width / 2;
  state.current_y = height / 2;
  state.colors = colors;
  state.viewport_right = width - 1;
  state.viewport_bottom = height - 1;
  state.window_x2 = width - 1;
  state.window_y2 = height - 1;
  recompute_scales(state);
}

void init_graphics_state(GraphicsState& state, int width, int height, int colors) {
  state.invert = false;
  reset_graphics_state(state, width, height, colors);
}

void recompute_scales(GraphicsState& state) {
  state.scale_x =
      axis_scale(state.viewport_right - state.viewport_left, state.window_x2 - state.window_x1);
  state.scale_y =
      axis_scale(state.viewport_bottom - state.viewport_top, state.window_y2 - state.window_y1);
  state.inverse_scale_x = inverse_of(state.scale_x);
  state.inverse_scale_y = inverse_of(state.scale_y);
}

}  // namespace shell
