// The record of one child window: its virtual screen (memory bitmap and
// contexts), text state, caret, view and scroll state, fit and full-screen
// state, graphics state, text buffer and locks, selection and mouse
// routines. Owned by the window, reached through its window extra storage,
// freed when it is destroyed.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "shell/child/child_input_win.h"
#include "shell/child/text_buffer.h"
#include "shell/child/text_layout.h"
#include "shell/edit/mouse_events.h"
#include "shell/edit/selection.h"
#include "shell/graphics/colors.h"
#include "shell/graphics/graphics_state.h"
#include "shell/startup/scoped_win.h"

namespace shell {

struct ChildRecord {
  HWND hwnd = nullptr;
  int window_number = -1;
  bool iofocus = false;

  // Virtual screen.
  Bitmap bitmap;
  HGDIOBJ memory_dc_default_bitmap = nullptr;
  std::string title;
  int screen_width = 0, screen_height = 0;
  int view_width = 0, view_height = 0;
  int scroll_x = 0, scroll_y = 0;
  int scroll_range_x = 0, scroll_range_y = 0;
  // GUI thread only: a scroll bar update in progress (the frame is painted
  // only at its end).
  bool updating_scroll_bars = false;

  CriticalSection text_lock;     // one text output call at a time
  CriticalSection drawing_lock;  // any drawing into the bitmap or the screen context

  bool fit = false;
  bool iconic = false;
  Bitmap icon;  // shown while minimised; made when first needed
  short cursor_shape = 7;

  // Text state.
  TextPosition text_position;
  int text_columns = 0, text_rows = 0;
  short cursor_on = 1;
  bool focus = false;
  bool caret_made = false;
  int cell_width = 8, cell_height = 16;
  int font_width = 8;  // the font's average character width
  TextWindow text_window;
  bool wrap = true;
  Font font;
  bool shown = false;
  bool configured = false;
  bool kept_after_close = false;
  TextBuffer text_buffer;

  // Drawing target: the child itself, or the full-screen popup.
  HWND target = nullptr;
  int offset_x = 0, offset_y = 0;
  int target_width = 0, target_height = 0;
  HWND full_screen = nullptr;
  HDC window_dc = nullptr;  // the child's own context (CS_OWNDC)
  HDC full_screen_dc = nullptr;
  HDC screen_dc = nullptr;  // where on-screen drawing goes now
  MemoryDc memory_dc;
  HPALETTE palette = nullptr;
  std::vector<Rgb> palette_entries;
  int colors = 0;

  GraphicsState graphics;
  // What the text clip region was last selected for; the region is only
  // rebuilt when one of these changed or a clip-pending flag is set.
  struct TextClip {
    HDC screen_dc = nullptr;
    int offset_x = 0, offset_y = 0;
    TextWindow window;
  } text_clip;

  // Key waits, the read event and the third lock; shared with waiting threads.
  std::shared_ptr<ChildInput> input = std::make_shared<ChildInput>();
  // The window's own hold and one per thread using the record (RecordHold).
  std::atomic<int> holds{1};
  bool closed = false;  // the window is gone; set under the drawing lock

  // Select mode: the selection being made and the palette shown meanwhile
  // in text mode (GUI thread only).
  Selection selection;
  HPALETTE select_palette = nullptr;
  // The program's routines for mouse events, under the keyboard lock.
  MouseSlots mouse_slots;

  std::atomic<bool> flush_requested{false};       // a flush is posted or its timer runs
  std::atomic<bool> drawn_since_flush{false};     // drawing waits for the next paced flush
  std::atomic<bool> scrolled_since_paint{false};  // the screen was pixel-scrolled
  HCURSOR pointer = nullptr;

  bool in_full_screen() const { return full_screen != nullptr; }
};

// The record of a child window, or null for a window without one.
ChildRecord* child_record(HWND hwnd);

// Drops one hold on a record; the last one frees it.
void release_record(ChildRecord* r);

// A thread's hold on a record found through the window table: the record
// lives until its last hold is dropped, so a window destroyed meanwhile
// never leaves a writer with freed memory (it finds the record closed).
class RecordHold {
 public:
  RecordHold() = default;
  explicit RecordHold(ChildRecord* counted) : r_(counted) {}
  ~RecordHold() { release_record(r_); }
  RecordHold(RecordHold&& o) noexcept : r_(o.r_) { o.r_ = nullptr; }
  RecordHold& operator=(RecordHold&& o) noexcept {
    if (this != &o) {
      release_record(r_);
      r_ = o.r_;
      o.r_ = nullptr;
    }
    return *this;
  }
  RecordHold(const RecordHold&) = delete;
  RecordHold& operator=(const RecordHold&) = delete;
  ChildRecord* get() const { return r_; }

 private:
  ChildRecord* r_ = nullptr;
};

}  // namespace shell
