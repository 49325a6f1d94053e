// The text a text selection copies to the clipboard, read from the window's
// text buffer: what the rows between the two corners hold, with CR LF
// between rows as a text editor would paste them.
#pragma once

#include <string>

#include "shell/child/text_buffer.h"
#include "shell/edit/selection.h"

namespace shell {

// The clipboard text of the stream from cell `anchor` to cell `end`
// (0-based, in either order), ending in a zero byte. For each row with an
// entry in `buffer` (rows without one give nothing, not even a line end):
// the first row from the first corner's column, the others from column 1,
// blanks standing in for columns before the entry's text; the last row up
// to the last corner's column, the others to the end of their text. A row
// of an empty write gives no characters, and a CR LF when the selection
// spans rows. Other rows are followed by CR LF, except the last row, which
// is followed by one only in a one-row selection that reaches past its text.
std::string clipboard_text(const TextBuffer& buffer, SelectPoint anchor, SelectPoint end);

}  // namespace shell
