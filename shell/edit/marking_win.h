// Marking a selection in select mode, on the GUI thread: the left button
// (press, drag with auto-scroll at the edges, release), the marker keys,
// and the highlight, which is inverted on the screen only and never drawn
// into the window's bitmap.
#pragma once

#include <windows.h>

namespace shell {

struct ChildRecord;

// The left button and mouse moves in select mode; true when select mode
// took the message (it takes them all while it lasts).
bool on_select_mouse(HWND child, UINT msg, LPARAM lparam);
// The window lost the focus: a drag in progress ends where it is.
void end_mouse_drag(ChildRecord& r);

// Page Up, Page Down, Home, End, the arrows and Shift in select mode; true
// when taken.
bool on_marker_key_down(HWND child, int virtual_key);
bool on_marker_key_up(HWND child, int virtual_key);

struct Selection;

// Makes `next` the window's selection, taking the old highlight off the
// screen and putting the new one on it; the menu follows a change of Copy.
void change_selection(ChildRecord& r, const Selection& next);
// Takes the highlight off the screen (select mode is ending).
void hide_highlight(ChildRecord& r);
// Painting copied the bitmap over `update`: the highlight goes over it again.
void paint_highlight(ChildRecord& r, HDC dc, const RECT& update);

}  // namespace shell
