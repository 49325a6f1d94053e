// A child window's input side: its key waits, read event and mouse wait, the rest of
// a long line typed in it, PASSDIRKEYSQQ's flag and the third lock. The
// window's record and every thread waiting on the window share it, so that a
// window destroyed during a wait wakes the waiter instead of freeing what it
// waits on.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "shell/startup/scoped_win.h"

namespace shell {

struct ChildInput {
  // Held by a program thread's read or key wait for its whole duration.
  CriticalSection third_lock;

  // The rest guarded by keyboard_lock().
  bool closed = false;              // the window was destroyed: waits end
  bool key_wait = false;            // the GUI thread waits for a key
  std::int32_t key_code = 0;        // the key that ended the wait
  HANDLE key_event = nullptr;       // a program thread waits for a key
  HANDLE read_event = nullptr;      // a program thread waits for a line
  HANDLE mouse_event = nullptr;     // a program thread waits for a mouse event
  int held_lead = -1;               // double-byte lead byte waiting for its second byte
  int kept_second = -1;             // second byte given to the next key wait at once
  std::int32_t direction_keys = 0;  // PASSDIRKEYSQQ
  std::string rest;                 // what a read left of a line longer than it asked for
};

}  // namespace shell
