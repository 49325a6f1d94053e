// Laying written bytes on the cell grid of a text window: cutting them into
// segments at line ends and at the right edge, new lines and scrolling at the
// bottom, and the arithmetic of the text services (positions, text windows).
// The drawing itself is left to a TextOutputTarget.
#pragma once

#include <cstdint>
#include <string_view>

#include "shell/child/text_buffer.h"

namespace shell {

// The text position, relative to the text window, 1-based. The column may
// lie right of the window after output with wrapping off.
struct TextPosition {
  int row = 1;
  int column = 1;
};

// Largest text column kept: the services hand positions over as 16-bit
// values, and output with wrapping off stops counting here.
inline constexpr int kMaxTextColumn = 32767;

class TextOutputTarget {
 public:
  virtual ~TextOutputTarget() = default;
  // A segment written at absolute cell (abs_row, abs_column). Only its part
  // inside the text window is passed (output with wrapping off that runs past
  // the right column is cut there); the glue draws it clipped to the text
  // window and passes the window's right column to TextBuffer::add.
  virtual void draw_segment(int abs_row, int abs_column, std::string_view text) = 0;
  // A new line on the text window's last row: scroll the text window up one
  // row (bitmap, screen and TextBuffer::scroll with k = 1).
  virtual void scroll_up_one_row() = 0;
};

// Lays out `text` at `pos` in text window `w` and updates `pos`.
// With control_characters (OUTTEXT) the text ends at the first NUL, a line
// feed starts a new line at column 1 and a carriage return goes back to
// column 1; without (OUTMEM) every byte is a glyph. With `wrap`, a character
// on the window's right column ends its line; a line end right after such a
// wrap (LF, CR or CR LF) belongs to the wrap and starts no second line.
void lay_out_text(std::string_view text, const TextWindow& w, bool wrap, bool control_characters,
                  TextPosition& pos, TextOutputTarget& out);

// SETTEXTPOSITION's clamping: a row of 0 or less becomes 1, one beyond the
// window's height becomes its height; the same for the column and width.
TextPosition clamp_text_position(int row, int column, const TextWindow& w);

// A position as the services return it: row in the low 16 bits, column in
// the high 16 bits.
std::int32_t pack_text_position(TextPosition p);

// SETTEXTWINDOW's normalisation. A pair given in the wrong order is swapped
// (`swapped`, reported as status 3). Every edge is then kept on the virtual
// screen of text_rows x text_columns cells, so the window has at least one
// cell even when it was asked for wholly off the screen.
struct TextWindowRequest {
  TextWindow window;
  bool swapped;
};
TextWindowRequest normalise_text_window(int top, int left, int bottom, int right, int text_rows,
                                        int text_columns);

}  // namespace shell
