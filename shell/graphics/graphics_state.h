// The graphics state of one child window: viewport, view origin, world
// bounds and their scales, the three colours and the clip bookkeeping. Plain
// data plus its reset; the window glue keeps the palette and bitmap handles.
#pragma once

#include <cstdint>

#include "shell/graphics/colors.h"

namespace shell {

// The status value a graphics call leaves (0, 1, 3, -1, -4, ...); storing it
// in the process-wide graphics status is the caller's business.
using GraphicsStatus = std::int16_t;

struct GraphicsState {
  ColorWord graphics_color = index_word(15);
  int screen_width = 0, screen_height = 0;
  int current_x = 0, current_y = 0;  // physical pixels
  int colors = 0;
  // Physical pixel rectangle, both edges inclusive.
  int viewport_left = 0, viewport_top = 0, viewport_right = 0, viewport_bottom = 0;
  int origin_x = 0, origin_y = 0;  // physical position of view (0,0), int16 values
  // World bounds, kept with x1 < x2 and y1 < y2.
  double window_x1 = 0, window_x2 = 0, window_y1 = 0, window_y2 = 0;
  bool invert = false;                              // world Y grows upwards
  double scale_x = 1, scale_y = 1;                  // pixels per world unit
  double inverse_scale_x = 1, inverse_scale_y = 1;  // world units per pixel
  ColorWord text_color = index_word(15);
  ColorWord background_color = index_word(0);
  bool has_graphics = false;
  bool graphics_clip_pending = true;
  bool text_clip_pending = true;
};

// The defaults of a newly configured or reconfigured window of width x height
// pixels and `colors` colours. The invert flag is left as it is: only window
// creation clears it.
void reset_graphics_state(GraphicsState& state, int width, int height, int colors);

// The state of a window being created: invert cleared, then the defaults.
void init_graphics_state(GraphicsState& state, int width, int height, int colors);

// Scales from the viewport and the world bounds. The viewport's inclusive
// edges are subtracted as they stand, so the default state has scale 1. A
// span of zero (a one-pixel screen) gives scale 0 and inverse scale 0 rather
// than infinities, so conversions stay finite.
void recompute_scales(GraphicsState& state);

}  // namespace shell
