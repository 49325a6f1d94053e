// The graphics services on the calling thread's active window: viewport,
// view origin, window coordinates, colours and CLEARSCREEN. Each sets the
// graphics status to 0 on entry with an active window and -1 without.
#include <windows.h>

#include "shell/child/child_record_win.h"
#include "shell/child/child_window_win.h"
#include "shell/child/text_output_win.h"
#include "shell/frame/window_config_win.h"
#include "shell/graphics/coordinates.h"
#include "shell/graphics/graphics_services.h"
#include "shell/graphics/graphics_status.h"
#include "shell/graphics/palette_win.h"
#include "shell/graphics/screen_areas.h"
#include "shell/units/active_window_win.h"
#include "shell/units/unit_bridge_win.h"
#include "shell/units/window_table_win.h"

namespace shell {

// The active window's record for a graphics call, configured; null (status
// -1) when the thread has none or it was kept after its unit closed.
ChildRecord* graphics_window() {
  // The hold lasts until the thread's next service call, so a window
  // destroyed during this one leaves its record alive until then.
  thread_local RecordHold t_hold;
  t_hold = hold_record(wggetactive());
  ChildRecord* r = t_hold.get();
  if (r == nullptr || r->kept_after_close) {
    set_graphics_status(kStatusError);
    return nullptr;
  }
  set_graphics_status(kStatusOk);
  ensure_configured(*r);
  return r->configured ? r : nullptr;
}

namespace {

void keep_status(GraphicsStatus status) {
  if (status != 0) set_graphics_status(status);
}

TextGeometry text_geometry(const ChildRecord& r) {
  TextGeometry g;
  g.cell_width = r.cell_width;
  g.cell_height = r.cell_height;
  g.top_row = r.text_window.top;
  g.left_column = r.text_window.left;
  g.bottom_row = r.text_window.bottom;
  g.right_column = r.text_window.right;
  g.text_rows = r.text_rows;
  g.text_columns = r.text_columns;
  return g;
}

std::int32_t set_color(ColorWord GraphicsState::*field, std::int32_t rgb) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return -1;
  const std::int32_t previous = previous_color_rgb(r->graphics.*field);
  r->graphics.*field = rgb_word(rgb);
  return previous;
}

std::int32_t get_color(ColorWord GraphicsState::*field) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return -1;
  return current_color_rgb(r->graphics.*field, r->palette_entries);
}

void clear_area(ChildRecord& r, std::int16_t area) {
  const ClearPlan plan = plan_clear_screen(r.graphics, area, text_geometry(r));
  if (plan.status == kStatusInvalidParameter) {
    set_graphics_status(kStatusInvalidParameter);
    return;
  }
  {
    Locked draw(r.drawing_lock);
    Brush background(CreateSolidBrush(colorref(r, r.graphics.background_color)));
    SelectClipRgn(r.memory_dc.get(), nullptr);
    SelectClipRgn(r.screen_dc, nullptr);
    note_clips_removed(r.graphics);
    RECT rc = {plan.fill.left, plan.fill.top, plan.fill.right + 1, plan.fill.bottom + 1};
    FillRect(r.memory_dc.get(), &rc, background.get());
    if (r.screen_dc == r.window_dc && !r.fit && !r.iconic) {
      RECT on_screen = rc;
      OffsetRect(&on_screen, -r.offset_x, -r.offset_y);
      FillRect(r.screen_dc, &on_screen, background.get());
    } else if (!r.iconic) {
      InvalidateRect(r.target, nullptr, FALSE);
    }
    switch (plan.text_buffer) {
      case TextBufferAction::kDiscard:
        r.text_buffer.clear();
        break;
      case TextBufferAction::kBlankTextWindow:
        // Scrolling the text window by its own height blanks exactly its cells.
        r.text_buffer.scroll(r.text_window, r.text_window.bottom - r.text_window.top + 1,
                             r.text_columns);
        break;
      case TextBufferAction::kKeep:
        break;
    }
    if (plan.clears_has_graphics) r.graphics.has_graphics = false;
    r.text_position = TextPosition{};
    GdiFlush();
  }
  keep_status(plan.status);
  request_screen_flush(r);
  if (r.caret_made) PostMessageA(r.hwnd, kUpdateCaret, 0, 0);
}

}  // namespace
}  // namespace shell

using namespace shell;

void SETVIEWPORT(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  if (ChildRecord* r = graphics_window()) keep_status(set_viewport(r->graphics, x1, y1, x2, y2));
}

void SETCLIPRGN(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  if (ChildRecord* r = graphics_window()) keep_status(set_clip_region(r->graphics, x1, y1, x2, y2));
}

std::int16_t SETWINDOW(std::int32_t invert, double x1, double y1, double x2, double y2) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return 0;
  const SetWindowResult result = set_window(r->graphics, invert, x1, y1, x2, y2);
  keep_status(result.status);
  return result.result;
}

std::int32_t SETCOLORRGB(std::int32_t color) {
  return set_color(&GraphicsState::graphics_color, color);
}
std::int32_t SETTEXTCOLORRGB(std::int32_t color) {
  return set_color(&GraphicsState::text_color, color);
}
std::int32_t SETBKCOLORRGB(std::int32_t color) {
  return set_color(&GraphicsState::background_color, color);
}
std::int32_t GETCOLORRGB() {
  return get_color(&GraphicsState::graphics_color);
}
std::int32_t GETTEXTCOLORRGB() {
  return get_color(&GraphicsState::text_color);
}
std::int32_t GETBKCOLORRGB() {
  return get_color(&GraphicsState::background_color);
}

std::int32_t RGBTOINTEGER(std::int32_t red, std::int32_t green, std::int32_t blue) {
  return rgb_to_integer(red, green, blue);
}

void INTEGERTORGB(std::int32_t color, std::int32_t& red, std::int32_t& green, std::int32_t& blue) {
  const Rgb c = integer_to_rgb(color);
  red = c.red;
  green = c.green;
  blue = c.blue;
}

void CLEARSCREEN(std::int16_t area) {
  complete_active_window_line();
  if (ChildRecord* r = graphics_window()) clear_area(*r, area);
}
