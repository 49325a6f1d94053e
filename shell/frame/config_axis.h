// One direction of a window configuration request, columns or rows: the text
// count, the cell side and the pixel extent, resolved from whichever of them
// the caller gave, the default cell and the screen extent. Every result has
// at least one cell of at least one pixel, and fits the 16-bit record fields.
#pragma once

namespace shell {

struct AxisRequest {
  int count;   // -1: derive
  int pixels;  // -1: derive
};

struct AxisLimits {
  int default_cell;
  int screen_extent;
  int min_pixels;  // a derived extent below it is raised to it; 0 for none
};

struct Axis {
  int count, cell, pixels;
};

enum class AxisPass {
  // A count that disagrees with pixels / cell is replaced, which is a
  // correction when the caller gave the count.
  kCheck,
  // Counts and pixels the caller gave are kept; only derived values follow
  // the cell.
  kFinal,
};

struct AxisResult {
  Axis axis;
  // What counts as given from now on: the caller's values as resolved, plus
  // a derived extent that had to be raised (it is fixed from then on).
  AxisRequest request;
  bool corrected;
};

// `cell` is -1 while the cell is not known yet.
AxisResult resolve_axis(const AxisRequest& request, int cell, const AxisLimits& limits,
                        AxisPass pass);

}  // namespace shell
