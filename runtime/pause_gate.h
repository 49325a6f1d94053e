// Where program threads stop while the program is paused. A thread stops
// only at the start of a call into the run-time or the shell, never inside
// one, so it never waits holding the heap's, stdio's or a unit's lock, and
// every other thread goes on using them while it is paused.
#pragma once

#include <cstddef>

namespace rt {

// The calling thread is a program thread: it stops at pause points while
// the gate is closed.
void stop_calling_thread_when_paused();

// Program threads stop at their next pause point; and go on again.
void close_pause_gate();
void open_pause_gate();
// How many program threads wait at the gate now.
std::size_t threads_at_pause_gate();

// The start of one call into the run-time or the shell. A program thread
// waits here while the gate is closed, unless the call is nested in another
// call, which may hold locks.
class PausePoint {
 public:
  PausePoint();
  ~PausePoint();
  PausePoint(const PausePoint&) = delete;
  PausePoint& operator=(const PausePoint&) = delete;
};

}  // namespace rt
