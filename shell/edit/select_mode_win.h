// Select mode of a child window: Select Text, Select Graphics and Select
// All pause the program and mark the window's caption; ending select mode
// (after Copy, or by Resume) puts the window back and resumes the program
// unless it was already paused. Runs on the GUI thread.
#pragma once

#include <windows.h>

#include "shell/edit/selection.h"
#include "shell/frame/menu_states.h"

namespace shell {

struct ChildRecord;

// Asks the window to make its marker caret once select mode has begun.
inline constexpr UINT kMakeMarker = WM_APP + 5;

// The window is in select mode (Size To Fit and Full Screen wait for its end).
bool in_select_mode(HWND child);

// Select Text (kText) or Select Graphics (kGraphics) in `child`.
void select_command(HWND child, SelectKind kind);
void select_all_command(HWND child);
// Ends select mode after a Copy; resumes the program unless it was paused
// before select mode began.
void end_select_mode(HWND child);
// Resume: ends select mode in every window (Resume itself then resumes).
void end_selection_modes();

// The marker is shown: the marker caret on the selection's end (kMakeMarker).
void on_make_marker(HWND child);
// Makes, moves or drops the caret of a window in select mode: the marker
// caret while only the marker is shown and the window has the focus.
void place_marker_caret(ChildRecord& r);

// The view of `r` as the selection rules see it.
SelectView select_view(const ChildRecord& r);
// What the Copy item shows for the active child's selection.
MenuSelection menu_selection(const ChildRecord* r);
// The caption of a window whose selection is being made: the prefix of
// its kind and the title.
void show_selecting_caption(ChildRecord& r);

// Frees what select mode made for a window being destroyed.
void release_select_mode(ChildRecord& r);

}  // namespace shell
