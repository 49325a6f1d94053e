// Write and the text drawing behind OUTTEXT and OUTMEM. The text output
// lock is held for a whole call and the drawing lock inside it; nothing
// here sends a message to the GUI thread while a lock is held, since the
// GUI thread's painting waits for the drawing lock.
#include "shell/child/text_output_win.h"

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "shell/child/child_record_win.h"
#include "shell/child/child_window_win.h"
#include "shell/child/keyboard_input_win.h"
#include "shell/child/line_editor.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/frame/window_config_win.h"
#include "shell/graphics/graphics_status.h"
#include "shell/graphics/palette_win.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/window_table_win.h"

namespace shell {
namespace {

RECT cell_rect(const ChildRecord& r, int abs_row, int abs_column, int columns) {
  const int x = (abs_column - 1) * r.cell_width;
  const int y = (abs_row - 1) * r.cell_height;
  return RECT{x, y, x + columns * r.cell_width, y + r.cell_height};
}

RECT text_window_rect(const ChildRecord& r) {
  return RECT{(r.text_window.left - 1) * r.cell_width, (r.text_window.top - 1) * r.cell_height,
              r.text_window.right * r.cell_width, r.text_window.bottom * r.cell_height};
}

bool draws_on_screen(const ChildRecord& r) {
  return !r.closed && !r.iconic && !r.fit && !r.in_full_screen();
}

// The caret inverts the cell under it on the screen: output drawn there (or
// scrolled past it) while it shows would leave an inverted cell behind when
// it next blinks or moves. It is hidden around every such drawing.
class CaretHidden {
 public:
  explicit CaretHidden(const ChildRecord& r)
      : hwnd_(r.caret_made && draws_on_screen(r) ? r.hwnd : nullptr) {
    if (hwnd_ != nullptr && !HideCaret(hwnd_)) hwnd_ = nullptr;
  }
  ~CaretHidden() {
    if (hwnd_ != nullptr) ShowCaret(hwnd_);
  }
  CaretHidden(const CaretHidden&) = delete;
  CaretHidden& operator=(const CaretHidden&) = delete;

 private:
  HWND hwnd_;
};

// Invalidates the rectangle of the target that shows `rc` of the virtual
// screen, scaled in fit and full-screen mode (rounded outwards).
void invalidate_scaled(const ChildRecord& r, RECT rc) {
  if (r.screen_width <= 0 || r.screen_height <= 0) return;
  const long long tw = r.target_width, th = r.target_height;
  RECT scaled = {static_cast<LONG>(rc.left * tw / r.screen_width),
                 static_cast<LONG>(rc.top * th / r.screen_height),
                 static_cast<LONG>((rc.right * tw + r.screen_width - 1) / r.screen_width) + 1,
                 static_cast<LONG>((rc.bottom * th + r.screen_height - 1) / r.screen_height) + 1};
  InvalidateRect(r.target, &scaled, FALSE);
}

// Draws into the bitmap and the screen, and stores into the text buffer.
class WindowTextTarget : public TextOutputTarget {
 public:
  explicit WindowTextTarget(ChildRecord& r) : r_(r) {}

  void draw_segment(int abs_row, int abs_column, std::string_view text) override {
    if (text.empty()) return;
    // Characters stay on the cell grid: when the font's own advance differs
    // from the cell width, every character is advanced by one cell.
    const INT* advances = nullptr;
    if (r_.font_width != r_.cell_width) {
      advances_.assign(text.size(), r_.cell_width);
      advances = advances_.data();
    }
    const RECT rc = cell_rect(r_, abs_row, abs_column, static_cast<int>(text.size()));
    const int n = static_cast<int>(text.size());
    ExtTextOutA(r_.memory_dc.get(), rc.left, rc.top, ETO_OPAQUE | ETO_CLIPPED, &rc, text.data(),
                static_cast<UINT>(n), advances);
    if (draws_on_screen(r_)) {
      RECT on_screen = rc;
      OffsetRect(&on_screen, -r_.offset_x, -r_.offset_y);
      ExtTextOutA(r_.screen_dc, on_screen.left, on_screen.top, ETO_OPAQUE | ETO_CLIPPED, &on_screen,
                  text.data(), static_cast<UINT>(n), advances);
    } else if (!r_.iconic) {
      invalidate_scaled(r_, rc);
    }
    r_.text_buffer.add(abs_row, abs_column, text, r_.text_window.right, empty_record_);
  }

  void scroll_up_one_row() override { scroll_text_window(r_, 1); }

  void set_empty_record(bool empty) { empty_record_ = empty; }

 private:
  ChildRecord& r_;
  std::vector<INT> advances_;
  bool empty_record_ = false;
};

// Whether the text window's clip region is selected as the record is now.
bool text_clip_current(const ChildRecord& r) {
  const ChildRecord::TextClip& c = r.text_clip;
  return !r.graphics.text_clip_pending && c.screen_dc == r.screen_dc && c.offset_x == r.offset_x &&
         c.offset_y == r.offset_y && c.window.top == r.text_window.top &&
         c.window.left == r.text_window.left && c.window.bottom == r.text_window.bottom &&
         c.window.right == r.text_window.right;
}

// Text colours and the text window's clip region, selected into both
// contexts for one output call and restored afterwards.
class TextDrawingSetup {
 public:
  explicit TextDrawingSetup(ChildRecord& r) : r_(r) {
    const COLORREF fg = colorref(r, r.graphics.text_color);
    const COLORREF bg = colorref(r, r.graphics.background_color);
    old_fg_memory_ = SetTextColor(r.memory_dc.get(), fg);
    old_bg_memory_ = SetBkColor(r.memory_dc.get(), bg);
    old_fg_screen_ = SetTextColor(r.screen_dc, fg);
    old_bg_screen_ = SetBkColor(r.screen_dc, bg);
    if (text_clip_current(r)) return;
    const RECT clip = text_window_rect(r);
    Region memory_clip(CreateRectRgnIndirect(&clip));
    SelectClipRgn(r.memory_dc.get(), memory_clip.get());
    RECT screen_clip = clip;
    OffsetRect(&screen_clip, -r.offset_x, -r.offset_y);
    Region window_clip(CreateRectRgnIndirect(&screen_clip));
    SelectClipRgn(r.screen_dc, window_clip.get());
    r.text_clip = ChildRecord::TextClip{r.screen_dc, r.offset_x, r.offset_y, r.text_window};
    mark_text_clip_selected(r);
  }
  ~TextDrawingSetup() {
    SetTextColor(r_.memory_dc.get(), old_fg_memory_);
    SetBkColor(r_.memory_dc.get(), old_bg_memory_);
    SetTextColor(r_.screen_dc, old_fg_screen_);
    SetBkColor(r_.screen_dc, old_bg_screen_);
  }
  TextDrawingSetup(const TextDrawingSetup&) = delete;
  TextDrawingSetup& operator=(const TextDrawingSetup&) = delete;

 private:
  ChildRecord& r_;
  COLORREF old_fg_memory_, old_bg_memory_, old_fg_screen_, old_bg_screen_;
};

}  // namespace

void request_screen_flush(ChildRecord& r) {
  // Drawing from another thread reaches the display when the window's own
  // thread next waits for messages: a request wakes it unless a wake-up is
  // posted or paced by its flush timer already (see the child window).
  if (on_gui_thread()) return;
  r.drawn_since_flush.store(true);
  if (r.flush_requested.exchange(true)) return;
  PostMessageA(r.hwnd, kFlushScreen, 0, 0);
}

void write_text(ChildRecord& r, std::string_view text, bool control_characters, bool empty_record) {
  if (!r.configured) return;
  Locked text_lock(r.text_lock);
  {
    Locked draw(r.drawing_lock);
    if (r.closed) return;  // the window went while this call waited
    CaretHidden caret(r);
    TextDrawingSetup setup(r);
    WindowTextTarget target(r);
    target.set_empty_record(empty_record);
    lay_out_text(text, r.text_window, r.wrap, control_characters, r.text_position, target);
    GdiFlush();
  }
  if (r.caret_made) PostMessageA(r.hwnd, kUpdateCaret, 0, 0);
  request_screen_flush(r);
}

void erase_previous_cell(ChildRecord& r) {
  if (!r.configured) return;
  Locked text_lock(r.text_lock);
  if (!move_back_one_cell(r.text_position, text_window_columns(r.text_window))) return;
  {
    Locked draw(r.drawing_lock);
    TextDrawingSetup setup(r);
    WindowTextTarget target(r);
    target.draw_segment(r.text_window.top + r.text_position.row - 1,
                        r.text_window.left + r.text_position.column - 1, " ");
    GdiFlush();
  }
  if (r.caret_made) PostMessageA(r.hwnd, kUpdateCaret, 0, 0);
  request_screen_flush(r);
}

void scroll_text_window(ChildRecord& r, int lines) {
  if (lines == 0 || !r.configured || r.closed) return;
  CaretHidden caret(r);
  const RECT area = text_window_rect(r);
  const int height = area.bottom - area.top;
  const int shift = lines * r.cell_height;
  const int moved = std::abs(shift) >= height ? 0 : height - std::abs(shift);
  // Bitmap: move the kept rows, fill the vacated ones with the background.
  const int src_y = shift > 0 ? area.top + shift : area.top;
  const int dst_y = shift > 0 ? area.top : area.top - shift;
  if (moved > 0) {
    BitBlt(r.memory_dc.get(), area.left, dst_y, area.right - area.left, moved, r.memory_dc.get(),
           area.left, src_y, SRCCOPY);
  }
  RECT vacated = area;
  if (shift > 0) {
    vacated.top = area.top + moved;
  } else {
    vacated.bottom = area.bottom - moved;
  }
  Brush background(CreateSolidBrush(colorref(r, r.graphics.background_color)));
  FillRect(r.memory_dc.get(), &vacated, background.get());

  if (draws_on_screen(r)) {
    // The same pixels move on the screen and what the scroll uncovers is
    // copied from the bitmap at once. A part still waiting for a repaint
    // does not move with the pixels; the next repaint therefore covers the
    // whole window (see paint_child), so moved stale pixels never stay.
    RECT on_screen = area;
    OffsetRect(&on_screen, -r.offset_x, -r.offset_y);
    Region uncovered(CreateRectRgn(0, 0, 0, 0));
    ScrollDC(r.screen_dc, 0, -shift, &on_screen, &on_screen, uncovered.get(), nullptr);
    RECT box;
    if (GetRgnBox(uncovered.get(), &box) > NULLREGION && IntersectRect(&box, &box, &on_screen)) {
      BitBlt(r.screen_dc, box.left, box.top, box.right - box.left, box.bottom - box.top,
             r.memory_dc.get(), box.left + r.offset_x, box.top + r.offset_y, SRCCOPY);
    }
    r.scrolled_since_paint.store(true);
  } else if (!r.iconic) {
    InvalidateRect(r.target, nullptr, FALSE);
  }
  r.text_buffer.scroll(r.text_window, lines, r.text_columns);
}

std::int32_t Write(const char* bytes, std::int32_t length, std::int32_t window_number,
                   std::int32_t mode) {
  // Held for the whole write: a window closed meanwhile keeps its record.
  const RecordHold hold = hold_record(window_number);
  ChildRecord* r = hold.get();
  if (r == nullptr) {
    if (window_of(window_number) == nullptr) return -1;
    MessageBoxA(nullptr, "InvalidHandle", "ERROR", MB_OK | MB_TASKMODAL);
    return -1;
  }
  if (mode == 1) {
    set_keyboard_buffer(window_number, const_cast<char*>(bytes), length);
    return length;
  }
  const std::int16_t saved_status = graphics_status();
  std::int32_t result = length;
  const int previous = wggetactive();
  if (wgsetactive(window_number) != 0) {
    try {
      ensure_configured(*r);
      std::string text =
          length > 0 ? std::string(bytes, static_cast<std::size_t>(length)) : std::string(" ");
      write_text(*r, text, true, length == 0);
    } catch (const std::bad_alloc&) {
      error_box(4, __FILE__, __LINE__);
      result = -1;
    }
    if (!r->iofocus && previous != window_number && wgsetactive(previous) == 0) result = -1;
  }
  set_graphics_status(saved_status);
  return result;
}

}  // namespace shell
