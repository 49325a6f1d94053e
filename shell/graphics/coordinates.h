// Coordinate systems of a child window: physical pixels, view coordinates
// relative to the view origin, and real-valued window (world) coordinates
// mapped onto the viewport. Setters return the graphics status they leave.
#pragma once

#include <cstdint>

#include "shell/graphics/graphics_state.h"

namespace shell {

// An xy pair of int16 values (physical or view coordinates).
struct XyPair {
  std::int16_t x = 0;
  std::int16_t y = 0;
  friend bool operator==(XyPair a, XyPair b) { return a.x == b.x && a.y == b.y; }
};

// A window-coordinate pair.
struct WindowPair {
  double x = 0;
  double y = 0;
};

// v + 0.5 for v > 0, else v - 0.5, truncated towards zero: an exact half
// goes to the integer farther from zero. The result is integral.
double round_half_away(double v);

// A coordinate cut to int16. Values beyond the range stay at its ends, and
// NaN goes to -32768, so a far-off point stays off the screen instead of
// wrapping onto it.
std::int16_t cut_to_int16(double v);

// SETVIEWPORT: the view origin becomes the smaller corner even when the
// rectangle is then rejected; on success the viewport is set and the scales
// are recomputed.
GraphicsStatus set_viewport(GraphicsState& state, std::int16_t x1, std::int16_t y1, std::int16_t x2,
                            std::int16_t y2);

// SETCLIPRGN: the viewport rectangle alone. Pairs are put in order (status 3),
// each value clamped to the screen (status 3); equal clamped values in either
// direction reject the call (status -1, viewport unchanged). The origin stays
// and the scales are left for the next change of viewport, origin or bounds.
GraphicsStatus set_clip_region(GraphicsState& state, std::int16_t x1, std::int16_t y1,
                               std::int16_t x2, std::int16_t y2);

// SETVIEWORG: stores the origin unchecked and returns the previous one.
XyPair set_view_origin(GraphicsState& state, std::int16_t x, std::int16_t y);

struct SetWindowResult {
  std::int16_t result = 0;  // SETWINDOW's value: 1 success, 0 failure
  GraphicsStatus status = 0;
};
// SETWINDOW: `invert` counts as true when its low byte is non-zero. Equal or
// non-finite bounds, or bounds whose span does not fit in a double, are
// rejected and change nothing.
SetWindowResult set_window(GraphicsState& state, std::int32_t invert, double x1, double y1,
                           double x2, double y2);

// GETVIEWCOORD_W and every _W drawing call: window to view coordinates.
XyPair window_to_view(const GraphicsState& state, double wx, double wy);
// GETWINDOWCOORD: view to window coordinates, no rounding.
WindowPair view_to_window(const GraphicsState& state, std::int16_t x, std::int16_t y);

// GETVIEWCOORD and GETPHYSCOORD.
XyPair physical_to_view(const GraphicsState& state, std::int16_t x, std::int16_t y);
XyPair view_to_physical(const GraphicsState& state, std::int16_t x, std::int16_t y);

// GETCURRENTPOSITION and GETCURRENTPOSITION_W.
XyPair current_position_view(const GraphicsState& state);
WindowPair current_position_window(const GraphicsState& state);

// Whether a physical pixel lies inside the viewport (edges included); pixel
// calls outside it draw nothing and leave status 1.
bool in_viewport(const GraphicsState& state, int x, int y);

}  // namespace shell
