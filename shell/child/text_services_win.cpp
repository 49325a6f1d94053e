// Text services on the calling thread's active window. Those that use the
// text position first complete a line end still owed by the unit shown in
// that window, so that they find the position at the start of the next line.
#include "shell/child/text_services.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "shell/child/child_record_win.h"
#include "shell/child/child_window_win.h"
#include "shell/child/text_output_win.h"
#include "shell/graphics/graphics_status.h"
#include "shell/graphics/palette_win.h"
#include "shell/units/unit_bridge_win.h"

namespace shell {

ChildRecord* graphics_window();  // graphics_services_win.cpp

namespace {

void refresh_caret(ChildRecord& r) {
  if (r.caret_made || r.cursor_on == 1) PostMessageA(r.hwnd, kUpdateCaret, 0, 0);
}

}  // namespace
}  // namespace shell

using namespace shell;

void OUTTEXT(const char* text) {
  complete_active_window_line();
  ChildRecord* r = graphics_window();
  if (r == nullptr || text == nullptr) return;
  write_text(*r, std::string_view(text, std::strlen(text)), true);
}

void OUTMEM(const char* bytes, std::int16_t length) {
  ChildRecord* r = graphics_window();
  if (r == nullptr || bytes == nullptr || length <= 0) return;
  write_text(*r, std::string_view(bytes, static_cast<std::size_t>(length)), false);
}

std::int32_t SETTEXTPOSITION(std::int16_t row, std::int16_t column) {
  complete_active_window_line();
  ChildRecord* r = graphics_window();
  if (r == nullptr) return 0;
  Locked text_lock(r->text_lock);
  const std::int32_t previous = pack_text_position(r->text_position);
  r->text_position = clamp_text_position(row, column, r->text_window);
  refresh_caret(*r);
  return previous;
}

std::int32_t GETTEXTPOSITION() {
  complete_active_window_line();
  ChildRecord* r = graphics_window();
  if (r == nullptr) return 0;
  return pack_text_position(r->text_position);
}

void SETTEXTWINDOW(std::int16_t top, std::int16_t left, std::int16_t bottom, std::int16_t right) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return;
  Locked text_lock(r->text_lock);
  const TextWindowRequest req =
      normalise_text_window(top, left, bottom, right, r->text_rows, r->text_columns);
  r->text_window = req.window;
  r->text_position = TextPosition{};
  r->graphics.text_clip_pending = true;
  if (req.swapped) set_graphics_status(kStatusAltered);
  refresh_caret(*r);
}

void GETTEXTWINDOW(std::int16_t& top, std::int16_t& left, std::int16_t& bottom,
                   std::int16_t& right) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return;
  top = static_cast<std::int16_t>(r->text_window.top);
  left = static_cast<std::int16_t>(r->text_window.left);
  bottom = static_cast<std::int16_t>(r->text_window.bottom);
  right = static_cast<std::int16_t>(r->text_window.right);
}

void SCROLLTEXTWINDOW(std::int16_t lines) {
  complete_active_window_line();
  ChildRecord* r = graphics_window();
  if (r == nullptr) return;
  if (lines == 0) {
    set_graphics_status(kStatusNothingDrawn);
    return;
  }
  Locked text_lock(r->text_lock);
  Locked draw(r->drawing_lock);
  // The scroll works inside the text window's clip region.
  const RECT area = {(r->text_window.left - 1) * r->cell_width,
                     (r->text_window.top - 1) * r->cell_height,
                     r->text_window.right * r->cell_width, r->text_window.bottom * r->cell_height};
  Region memory_clip(CreateRectRgnIndirect(&area));
  SelectClipRgn(r->memory_dc.get(), memory_clip.get());
  RECT shifted = area;
  OffsetRect(&shifted, -r->offset_x, -r->offset_y);
  Region screen_clip(CreateRectRgnIndirect(&shifted));
  SelectClipRgn(r->screen_dc, screen_clip.get());
  mark_text_clip_selected(*r);
  scroll_text_window(*r, lines);
  GdiFlush();
}

std::int16_t WRAPON(std::int16_t mode) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return -1;
  const std::int16_t previous = r->wrap ? 1 : 0;
  if (mode != 0 && mode != 1) {
    set_graphics_status(kStatusInvalidParameter);
    return previous;
  }
  r->wrap = mode == 1;
  return previous;
}

std::int16_t DISPLAYCURSOR(std::int16_t mode) {
  complete_active_window_line();
  ChildRecord* r = graphics_window();
  if (r == nullptr) return -1;
  if (mode != 0 && mode != 1) {
    set_graphics_status(kStatusError);
    return -1;
  }
  const std::int16_t previous = r->cursor_on;
  r->cursor_on = mode;
  PostMessageA(r->hwnd, kUpdateCaret, 0, 0);
  return previous;
}

std::int16_t SETTEXTCURSOR(std::int16_t shape) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return -1;
  const std::int16_t previous = r->cursor_shape;
  r->cursor_shape = shape;
  PostMessageA(r->hwnd, kUpdateCaret, 0, 0);
  return previous;
}

std::int16_t GETTEXTCURSOR() {
  ChildRecord* r = graphics_window();
  return r != nullptr ? r->cursor_shape : -1;
}

std::int16_t SETTEXTCOLOR(std::int16_t index) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return -1;
  const TextColorChange change = set_text_color_index(r->graphics.text_color, index);
  if (change.changed) r->graphics.text_color = change.text_color;
  if (change.status != 0) set_graphics_status(change.status);
  return change.previous;
}

std::int16_t GETTEXTCOLOR() {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return -1;
  return text_color_index(r->graphics.text_color, r->palette_entries);
}
