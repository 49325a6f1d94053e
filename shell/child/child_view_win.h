// How a child window shows its virtual screen: painting from the memory
// bitmap (1:1 at the scroll position, scaled in fit mode), scroll bars and
// scroll keys, the size limits, focus, activation and the caret. All of it
// runs on the GUI thread.
#pragma once

#include <windows.h>

#include "shell/startup/scoped_win.h"

namespace shell {

struct ChildRecord;

void paint_child(HWND hwnd);
void on_child_size(HWND hwnd, WPARAM size_type);
void on_scroll_request(HWND hwnd, bool horizontal, int request, int thumb);
// True when the key scrolled the view (arrows, Page Up/Down, Home, End).
bool on_scroll_key(HWND hwnd, int virtual_key);
void update_scroll_bars(HWND hwnd);
// True while the window's scroll bars are being updated: its frame
// (caption, borders, bars) is then painted once, after the update, instead
// of at every step of it.
bool frame_paint_deferred(HWND hwnd);

void on_set_focus(HWND hwnd);
void on_kill_focus(HWND hwnd);
void on_mdi_activate(HWND hwnd, bool activated);
// Makes, moves or destroys the caret to match the record.
void move_caret(HWND hwnd);

// Toggles fit mode of the child.
void toggle_size_to_fit(HWND hwnd);
// Maximising a child whose virtual screen is smaller than the MDI client
// resizes it to the virtual screen instead; true when that was done.
bool maximise_within_screen(ChildRecord& r);
// After a configuration: first-time focus and activation, the size limit,
// showing the window.
void apply_configured_shape(HWND hwnd, bool first_time);
void realise_palette(HWND hwnd);

// The small picture shown while the child is minimised.
Bitmap make_child_icon(HDC compatible_with);

}  // namespace shell
