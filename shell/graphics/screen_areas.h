// The physical pixel rectangles a child window clears and clips to: the
// areas of CLEARSCREEN with what becomes of the text buffer, and the clip
// rectangles selected before graphics and before text drawing.
#pragma once

#include <cstdint>

#include "shell/graphics/graphics_state.h"

namespace shell {

// Physical pixels, all four edges inclusive (add 1 to right and bottom for
// an exclusive rectangle).
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

// The text side of a window that clearing and clipping depend on: the
// character cell, the text window in absolute 1-based cells (inclusive) and
// the size of the whole text screen.
struct TextGeometry {
  int cell_width = 8, cell_height = 16;
  int top_row = 1, left_column = 1, bottom_row = 1, right_column = 1;
  int text_rows = 1, text_columns = 1;
};

enum class TextBufferAction {
  kKeep,             // the text buffer stays as it is
  kDiscard,          // everything in it goes
  kBlankTextWindow,  // only the cells inside the text window are blanked
};

// What CLEARSCREEN(area) does. With status -4 nothing at all happens.
struct ClearPlan {
  GraphicsStatus status = 0;
  PixelRect fill;  // filled with the background colour
  TextBufferAction text_buffer = TextBufferAction::kKeep;
  bool clears_has_graphics = false;  // only a whole-window clear
};

inline constexpr std::int16_t kClearWindow = 0;
inline constexpr std::int16_t kClearViewport = 1;
inline constexpr std::int16_t kClearTextWindow = 2;

ClearPlan plan_clear_screen(const GraphicsState& state, std::int16_t area,
                            const TextGeometry& text);

// The text window's cells as pixels: from the top-left pixel of its first
// cell to the bottom-right pixel of its last, so that neighbouring cells
// outside it are never touched.
PixelRect text_window_rect(const TextGeometry& text);

// The viewport as a clip rectangle, right and bottom edges included.
PixelRect viewport_rect(const GraphicsState& state);

// Clip bookkeeping: selecting one kind of clip clears its pending flag and
// sets the other's; removing the clip regions sets both.
void note_graphics_clip_selected(GraphicsState& state);
void note_text_clip_selected(GraphicsState& state);
void note_clips_removed(GraphicsState& state);

}  // namespace shell
