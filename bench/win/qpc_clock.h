// Wall-clock time from the performance counter, for the Windows benchmarks:
// a reading in counter ticks and the seconds between two readings.
#pragma once

#include <windows.h>

namespace winbench {

inline long long qpc_now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

inline double qpc_seconds(long long from, long long to) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(to - from) / static_cast<double>(f.QuadPart);
}

}  // namespace winbench
