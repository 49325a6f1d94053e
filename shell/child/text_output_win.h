// Text output into a child window: the Write request of the unit bridge and
// the text drawing shared by OUTTEXT and OUTMEM. Each segment is drawn into
// the memory bitmap and straight onto the screen, and stored in the text
// buffer; a line feed on the last row scrolls the text window.
#pragma once

#include <cstdint>
#include <string_view>

namespace shell {

struct ChildRecord;

// Writes a record's bytes to window `window_number` (mode 1 hands the
// buffer to the keyboard reader instead). The length on success, -1 on
// failure.
std::int32_t Write(const char* bytes, std::int32_t length, std::int32_t window_number,
                   std::int32_t mode);

// Draws `text` at the record's text position. `control_characters` false
// draws every byte as a glyph (OUTMEM); `empty_record` marks the row entry
// of an empty write.
void write_text(ChildRecord& r, std::string_view text, bool control_characters,
                bool empty_record = false);

// Moves the text position back one cell (from column 1 to the last column
// of the row above; not at row 1, column 1) and blanks that cell in the
// background colour, in the bitmap, on the screen and in the text buffer.
void erase_previous_cell(ChildRecord& r);

// Makes drawing done on another thread reach the display soon.
void request_screen_flush(ChildRecord& r);

// Scrolls the text window by `lines` rows (up when positive), in the
// bitmap, on the screen and in the text buffer.
void scroll_text_window(ChildRecord& r, int lines);

}  // namespace shell
