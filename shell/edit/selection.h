// The selection of a child window in select mode: its two corners (cells in
// text mode, pixels in graphics mode), how the mouse and the marker keys
// move them, and which of marker, highlight and Copy the window shows.
// Plain state and rules; the window glue draws what the state says.
#pragma once

#include <cstdint>

namespace shell {

enum class SelectKind { kNone, kText, kGraphics };

// A corner: a 0-based cell column and row of the virtual screen in text
// mode, a virtual-screen pixel in graphics mode; -1, -1 when idle.
struct SelectPoint {
  int x = -1;
  int y = -1;
  friend bool operator==(SelectPoint a, SelectPoint b) { return a.x == b.x && a.y == b.y; }
  friend bool operator!=(SelectPoint a, SelectPoint b) { return !(a == b); }
};

// What the selection needs to know of the window's view.
struct SelectView {
  int cell_width = 8, cell_height = 16;
  int scroll_x = 0, scroll_y = 0;
  int view_width = 0, view_height = 0;  // client area, pixels
  int screen_width = 0, screen_height = 0;
  int text_columns = 0, text_rows = 0;
};

enum class DragState { kNone = 0, kHeld = 2, kReleased = 3 };

struct Selection {
  SelectPoint anchor, end;
  DragState drag = DragState::kNone;
  SelectKind kind = SelectKind::kNone;
  bool selecting = false;     // a mouse selection began since select mode began
  bool extend = false;        // Shift is held: marker keys extend the selection
  bool marker = false;        // only the marker is shown
  bool select_all = false;    // made by Select All: the mouse cannot change it
  bool highlight = false;     // the highlight between anchor and end is on the screen
  bool copy_enabled = false;  // a finished selection can be copied

  bool active() const { return kind != SelectKind::kNone; }
};

// Select Text or Select Graphics: anchor and end at the top-left visible
// cell (text) or pixel (graphics); the marker comes once the window has
// made its caret.
Selection begin_marking(SelectKind kind, const SelectView& v);
// Select All: the whole virtual screen, graphics when the window has
// graphics, else text; highlighted and ready to copy.
Selection select_everything(bool has_graphics, const SelectView& v);

// The number of columns and rows (text) or pixels (graphics) corners lie in.
SelectPoint select_limits(SelectKind kind, const SelectView& v);

// Where a mouse press at client (x, y) puts anchor and end: in text mode
// the column is rounded to the nearest cell boundary (a half upwards), the
// row truncated. Kept inside the limits.
SelectPoint press_point(SelectKind kind, int x, int y, const SelectView& v);
// Where a move or release at client (x, y) puts the end: the cell under
// the pointer (text), the pixel (graphics). Kept inside the limits.
SelectPoint drag_point(SelectKind kind, int x, int y, const SelectView& v);

// Auto-scroll while dragging: the pointer at or beyond an edge of the client
// area scrolls one step that way (dx, dy of -1, 0, +1) and is held on the
// edge at (x, y).
struct EdgeStep {
  int dx = 0, dy = 0;
  int x = 0, y = 0;
  bool scrolls() const { return dx != 0 || dy != 0; }
};
EdgeStep edge_step(int x, int y, int view_width, int view_height);

// Mouse marking. A press erases any highlight and starts a new one at `p`;
// true when it is the first press since select mode began (the glue then
// drops the marker caret and changes the caption).
bool press(Selection& s, SelectPoint p);
void drag_to(Selection& s, SelectPoint p);
// The button went up (or the window lost the focus while dragging); `p` is
// the end when the pointer left the client area, else the end stays.
void release(Selection& s, const SelectPoint* p);

enum class MarkerKey { kPageUp, kPageDown, kHome, kEnd, kLeft, kRight, kUp, kDown };

// The end moved by a marker key: Page Up/Down by a client height, with Ctrl
// a client width left or right; Home and End to the first and last column,
// with Ctrl also the first and last row; an arrow by `repeat` units. Kept
// inside the limits.
SelectPoint moved_end(SelectPoint end, MarkerKey key, bool ctrl, int repeat, SelectKind kind,
                      const SelectView& v);
// A marker key with the end moved to `to`: with Shift held the highlight
// runs from the anchor to it (and can be copied); without, the marker just
// moves there.
void mark_with_key(Selection& s, SelectPoint to);
void shift_down(Selection& s);
void shift_up(Selection& s);

// Key-down messages of the arrow and page keys since the last key-up, so
// that a held arrow moves the marker faster: 1, 2, 3, ... cells a step.
// It stops growing at 127 instead of wrapping round to a negative step.
class KeyRepeat {
 public:
  int key_down() {
    if (count_ < 127) ++count_;
    return count_;
  }
  void key_up() { count_ = 0; }
  int count() const { return count_; }

 private:
  std::int8_t count_ = 0;
};

}  // namespace shell
