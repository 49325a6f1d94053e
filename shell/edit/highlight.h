// Where the highlight of a selection lies in the client area: a stream of
// cells in reading order for text, a one-pixel outline for graphics. The
// glue inverts these rectangles on the screen; inverting them again erases
// the highlight, so no rectangle may overlap another.
#pragma once

#include <vector>

#include "shell/edit/selection.h"

namespace shell {

// Client pixels, right and bottom exclusive.
struct ClientRect {
  int left, top, right, bottom;
  friend bool operator==(const ClientRect& a, const ClientRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

// The highlight between s.anchor and s.end at the view's scroll position.
// Text: with the corners in reading order, the first row from the first
// corner's cell to the last corner's cell, or to the client's right edge
// when the selection spans rows; the rows between across the client; the
// last row from the left edge to the last corner's cell. Graphics: the
// outline of the rectangle between the corners. Empty rectangles are left
// out.
std::vector<ClientRect> highlight_rects(const Selection& s, const SelectView& v);

}  // namespace shell
