// The registered stop routine and the fallback used before any host registers.
#include "runtime/error_stop.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace rt {
namespace {

std::atomic<StopRoutine> g_stop_routine{nullptr};

}  // namespace

StopRoutine set_stop_routine(StopRoutine routine) {
  return g_stop_routine.exchange(routine);
}

void error_stop(const std::string& report) {
  if (StopRoutine routine = g_stop_routine.load()) routine(report);
  // No routine, or one that returned: a failure must never pass as success.
  std::fprintf(stderr, "%s\n", report.c_str());
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace rt
