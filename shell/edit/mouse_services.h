// The mouse services a program calls: routines for mouse events in a unit's
// window, waits for mouse events, the double-click interval and the mouse
// pointer. Declared without platform headers.
#pragma once

#include <cstdint>

#include "shell/edit/mouse_events.h"

// Attaches `routine` to the events of `mask` in the window of `unit`: -2
// when the unit has no window, -1 when the mask holds none of the seven
// event bits, 1 when a routine was replaced, else 0. The routine runs on the
// shell's window thread, with the window made active, unless the program is
// paused.
std::int32_t REGISTERMOUSEEVENTQQ(std::int32_t unit, std::int32_t mask,
                                  shell::MouseRoutine routine);
// Removes the routines of `mask`: -2 for a unit without a window, -1 for a
// mask without any event bit, else 0.
std::int32_t UNREGISTERMOUSEEVENTQQ(std::int32_t unit, std::int32_t mask);
// Waits for one of the events of `mask` in any window and returns its bit,
// with the key state and the virtual-screen position of the event; -1 for
// a mask without any event bit, when the calling thread has no active
// window, or when that window is destroyed during the wait.
std::int32_t WAITONMOUSEEVENTQQ(std::int32_t mask, std::int32_t& key_state, std::int32_t& x,
                                std::int32_t& y);
// Sets the system's double-click time: 0 for a value from 1 to 2000 ms;
// any other value sets 500 ms and gives 4.
std::int32_t SETDBLCLKINTERVALQQ(std::int32_t milliseconds);
// Sets the pointer shown over the active window while no selection is
// being made; returns the previous one (0 without an active window).
std::intptr_t setmousecursor(std::intptr_t pointer);
