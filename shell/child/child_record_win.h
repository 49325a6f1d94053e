// The record of one child window: its virtual screen (memory bitmap and
// contexts), text state, caret, view and scroll state, fit and full-screen
// state, graphics state, text buffer and locks. Owned by the window,
// reached through its window extra storage, freed when it is destroyed.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "shell/child/text_buffer.h"
#include "shell/child/text_layout.h"
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

  CriticalSection text_lock;     // one text output call at a time
  CriticalSection drawing_lock;  // any drawing into the bitmap or the screen context

  bool fit = false;
  bool iconic = false;
  Bitmap icon;
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

  std::atomic<bool> flush_requested{false};       // a flush is posted or its timer runs
  std::atomic<bool> drawn_since_flush{false};     // drawing waits for the next paced flush
  std::atomic<bool> scrolled_since_paint{false};  // the screen was pixel-scrolled
  HCURSOR pointer = nullptr;

  bool in_full_screen() const { return full_screen != nullptr; }
};

// The record of a child window, or null for a window without one.
ChildRecord* child_record(HWND hwnd);

}  // namespace shell
