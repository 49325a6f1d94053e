// Per-thread records and the registry of program threads. Every thread
// that calls the shell gets a record with its active window; a thread other
// than the GUI thread has its input attached to the GUI thread's and is
// registered as a program thread, which Pause stops at its next call.
#pragma once

#include <windows.h>

#include <vector>

// windows.h defines Yield as an empty macro; the shell has a real one.
#undef Yield

namespace shell {

struct ThreadRecord {
  int active_window = 1024;
  char state[28] = {};
};

// The calling thread's record, made on first use (which also selects the
// default window as the thread's active window). Null when it cannot be made.
ThreadRecord* GetThreadLocal();

// Duplicated handles of the registered program threads.
std::vector<HANDLE> registered_threads();

// Lets a waiting thread serve its own messages; repeats while paused.
void Yield();

}  // namespace shell

// The public yield routine does nothing.
void YIELDQQ();
