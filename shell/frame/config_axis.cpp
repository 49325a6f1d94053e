// Resolution of one direction of a window configuration request. The rules
// follow which of count, cell and pixels the caller left to the shell; the
// guards after them keep a degenerate request (a cell wider than the screen,
// more columns than pixels, sizes past 16 bits) from producing a zero count
// or a zero cell that later code would divide by.
#include "shell/frame/config_axis.h"

#include <algorithm>

#include "shell/frame/window_config.h"

namespace shell {
namespace {

int product(int count, int cell) {
  const long long p = static_cast<long long>(count) * cell;
  return static_cast<int>(std::min<long long>(p, kMaxExtent + 1LL));
}

AxisResult resolve_once(const AxisRequest& request, int cell, const AxisLimits& limits,
                        AxisPass pass) {
  const int default_cell = std::clamp(limits.default_cell, 1, kMaxExtent);
  const int extent = std::clamp(limits.screen_extent, 1, kMaxExtent);
  const bool count_given = request.count > 0;
  const bool pixels_given = request.pixels > 0;
  bool corrected = false;
  Axis a{request.count, cell, request.pixels};

  if (cell < 1) {
    if (!pixels_given) {
      a.cell = default_cell;
      if (count_given) {
        a.pixels = product(a.count, a.cell);
      } else {
        a.pixels = extent;
        a.count = extent / a.cell;
      }
    } else if (!count_given) {
      a.cell = default_cell;
      a.count = a.pixels / a.cell;
    } else {
      a.cell = a.pixels / a.count;
      if (a.cell < 1) {
        // More columns than pixels: no cell fits, so fall back to the
        // default cell and as many columns as it allows.
        a.cell = default_cell;
        a.count = a.pixels / a.cell;
        corrected = true;
      }
    }
  } else if (pixels_given) {
    const int fitting = a.pixels / a.cell;
    if (!count_given) {
      a.count = fitting;
    } else if (pass == AxisPass::kCheck && fitting != a.count) {
      a.count = fitting;
      corrected = true;
    }
  } else {
    if (!count_given) a.count = extent / a.cell;
    a.pixels = product(std::max(a.count, 1), a.cell);
  }

  // A screen narrower than one cell still holds one cell.
  if (a.count < 1) {
    a.count = 1;
    if (a.pixels < a.cell) {
      if (pixels_given) corrected = true;
      a.pixels = a.cell;
    }
  }
  // Only a derived extent can pass 16 bits (count x cell); keep whole cells.
  if (a.pixels > kMaxExtent) {
    a.count = std::max(kMaxExtent / a.cell, 1);
    a.pixels = a.count * a.cell;
    if (count_given) corrected = true;
  }

  return {a, {count_given ? a.count : -1, pixels_given ? a.pixels : -1}, corrected};
}

}  // namespace

AxisResult resolve_axis(const AxisRequest& request, int cell, const AxisLimits& limits,
                        AxisPass pass) {
  AxisResult result = resolve_once(request, cell, limits, pass);
  const int minimum = std::min(limits.min_pixels, kMaxExtent);
  if (minimum > 0 && result.axis.pixels < minimum) {
    // The raised extent is given from now on, so the second resolution keeps
    // it and cannot fall below the minimum again.
    AxisRequest raised = result.request;
    raised.pixels = minimum;
    const bool earlier = result.corrected;
    result = resolve_once(raised, result.axis.cell, limits, pass);
    result.corrected = result.corrected || earlier;
  }
  return result;
}

}  // namespace shell
