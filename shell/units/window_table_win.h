// The table of child windows: 40 slots, window number = 1024 + slot.
// Opening a window takes the first free slot; the child is created on the
// GUI thread through the MDI client, whichever thread asks.
#pragma once

#include <windows.h>

#include "shell/child/child_record_win.h"

namespace shell {

inline constexpr int kFirstWindowNumber = 1024;
inline constexpr int kWindowSlots = 40;
inline constexpr int kNoWindow = -1;

inline bool window_number_in_range(int n) {
  return n >= kFirstWindowNumber && n < kFirstWindowNumber + kWindowSlots;
}

// The child window of `number`, or null for a bad number or an empty slot.
HWND window_of(int number);
// The record of `number`'s window, or null.
ChildRecord* record_of(int number);
// A hold on the record of `number`'s window, taken under the table lock so
// that the window cannot free it meanwhile; empty when there is none.
RecordHold hold_record(int number);
// The window number of a child window, or kNoWindow.
int window_number_of(HWND hwnd);

// Opens a child window titled `title` (or "Graphic" + slot number when
// null); its window number, or kNoWindow (graphics status -1) when no slot
// is free or creation fails.
int wgopen(const char* title);

// Called by the child window when it is created and destroyed.
void attach_slot(int number, HWND hwnd);
void release_slot(HWND hwnd);

// Number of occupied slots (for tests and diagnostics).
int open_window_count();

}  // namespace shell
