// Viewport, view origin and world bounds of a child window, and the
// conversions between physical, view and window coordinates.
#include "shell/graphics/coordinates.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "shell/graphics/graphics_status.h"

namespace shell {
namespace {

constexpr double kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr double kInt16Max = std::numeric_limits<std::int16_t>::max();

// One axis of a viewport request, put in order and clamped to 0 ... size - 1.
struct Span {
  int low = 0;
  int high = 0;
  bool altered = false;
};

Span order_and_clamp(int a, int b, int size) {
  Span span;
  if (b < a) {
    std::swap(a, b);
    span.altered = true;
  }
  const int last = std::max(size - 1, 0);
  span.low = std::clamp(a, 0, last);
  span.high = std::clamp(b, 0, last);
  span.altered = span.altered || span.low != a || span.high != b;
  return span;
}

bool origin_at_viewport_corner(const GraphicsState& s) {
  return s.origin_x == s.viewport_left && s.origin_y == s.viewport_top;
}

// The bottom row from which an inverted Y axis is measured, in view terms:
// the viewport's bottom row when the origin is its top-left corner, else the
// screen's bottom row.
double inverted_y_base(const GraphicsState& s) {
  const int bottom = origin_at_viewport_corner(s) ? s.viewport_bottom : s.screen_height - 1;
  return static_cast<double>(bottom) - s.origin_y;
}

}  // namespace

double round_half_away(double v) {
  return std::trunc(v > 0 ? v + 0.5 : v - 0.5);
}

std::int16_t cut_to_int16(double v) {
  if (std::isnan(v)) return std::numeric_limits<std::int16_t>::min();
  return static_cast<std::int16_t>(std::clamp(v, kInt16Min, kInt16Max));
}

GraphicsStatus set_clip_region(GraphicsState& state, std::int16_t x1, std::int16_t y1,
                               std::int16_t x2, std::int16_t y2) {
  const Span x = order_and_clamp(x1, x2, state.screen_width);
  if (x.low == x.high) return kStatusError;
  const Span y = order_and_clamp(y1, y2, state.screen_height);
  if (y.low == y.high) return kStatusError;
  state.viewport_left = x.low;
  state.viewport_right = x.high;
  state.viewport_top = y.low;
  state.viewport_bottom = y.high;
  state.graphics_clip_pending = true;
  return x.altered || y.altered ? kStatusAltered : kStatusOk;
}

GraphicsStatus set_viewport(GraphicsState& state, std::int16_t x1, std::int16_t y1, std::int16_t x2,
                            std::int16_t y2) {
  state.origin_x = std::min(x1, x2);
  state.origin_y = std::min(y1, y2);
  const GraphicsStatus status = set_clip_region(state, x1, y1, x2, y2);
  if (status != kStatusError) recompute_scales(state);
  return status;
}

XyPair set_view_origin(GraphicsState& state, std::int16_t x, std::int16_t y) {
  const XyPair previous{static_cast<std::int16_t>(state.origin_x),
                        static_cast<std::int16_t>(state.origin_y)};
  state.origin_x = x;
  state.origin_y = y;
  recompute_scales(state);
  return previous;
}

SetWindowResult set_window(GraphicsState& state, std::int32_t invert, double x1, double y1,
                           double x2, double y2) {
  // The spans must be finite and non-zero, or the scales would be infinite,
  // zero or NaN and every later conversion meaningless.
  const bool usable = std::isfinite(x2 - x1) && std::isfinite(y2 - y1) && x1 != x2 && y1 != y2;
  if (!usable) return SetWindowResult{0, kStatusError};
  GraphicsStatus status = kStatusOk;
  if (x2 < x1) {
    std::swap(x1, x2);
    status = kStatusAltered;
  }
  if (y2 < y1) {
    std::swap(y1, y2);
    status = kStatusAltered;
  }
  state.window_x1 = x1;
  state.window_x2 = x2;
  state.window_y1 = y1;
  state.window_y2 = y2;
  state.invert = (invert & 0xFF) != 0;
  recompute_scales(state);
  return SetWindowResult{1, status};
}

XyPair window_to_view(const GraphicsState& state, double wx, double wy) {
  const double vx = round_half_away((wx - state.window_x1) * state.scale_x);
  double vy = round_half_away((wy - state.window_y1) * state.scale_y);
  if (state.invert) vy = inverted_y_base(state) - vy;
  return XyPair{cut_to_int16(vx), cut_to_int16(vy)};
}

WindowPair view_to_window(const GraphicsState& state, std::int16_t x, std::int16_t y) {
  double vy = y;
  if (state.invert) vy = inverted_y_base(state) - vy;
  return WindowPair{x * state.inverse_scale_x + state.window_x1,
                    vy * state.inverse_scale_y + state.window_y1};
}

XyPair physical_to_view(const GraphicsState& state, std::int16_t x, std::int16_t y) {
  return XyPair{cut_to_int16(static_cast<double>(x) - state.origin_x),
                cut_to_int16(static_cast<double>(y) - state.origin_y)};
}

XyPair view_to_physical(const GraphicsState& state, std::int16_t x, std::int16_t y) {
  return XyPair{cut_to_int16(static_cast<double>(x) + state.origin_x),
                cut_to_int16(static_cast<double>(y) + state.origin_y)};
}

XyPair current_position_view(const GraphicsState& state) {
  return XyPair{cut_to_int16(static_cast<double>(state.current_x) - state.origin_x),
                cut_to_int16(static_cast<double>(state.current_y) - state.origin_y)};
}

WindowPair current_position_window(const GraphicsState& state) {
  const XyPair view = current_position_view(state);
  return view_to_window(state, view.x, view.y);
}

bool in_viewport(const GraphicsState& state, int x, int y) {
  return x >= state.viewport_left && x <= state.viewport_right && y >= state.viewport_top &&
         y <= state.viewport_bottom;
}

}  // namespace shell
