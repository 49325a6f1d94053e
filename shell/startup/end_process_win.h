// Ending the process at once from any thread. Everything that must reach
// the disk is closed first by the caller; no exit processing runs, since
// another thread may be stopped inside a lock that exit processing needs.
#pragma once

#include <windows.h>

namespace shell {

[[noreturn]] inline void end_process_now(int code) {
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(code));
  ExitProcess(static_cast<UINT>(code));  // not reached
}

}  // namespace shell
