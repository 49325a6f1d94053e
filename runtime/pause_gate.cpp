// The pause gate: a flag checked without a lock on every call, and a
// condition variable that stopped threads wait on.
#include "runtime/pause_gate.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace rt {
namespace {

struct Gate {
  std::mutex mutex;
  std::condition_variable opened;
  bool closed = false;
  std::size_t waiting = 0;
};

// Never destroyed: a stopped thread may still wait on it while the process ends.
Gate& gate() {
  static Gate* g = new Gate;
  return *g;
}

std::atomic<bool> g_closed{false};
thread_local bool t_stops = false;
thread_local int t_depth = 0;

void wait_at_gate() {
  Gate& g = gate();
  std::unique_lock<std::mutex> lock(g.mutex);
  ++g.waiting;
  g.opened.wait(lock, [&] { return !g.closed; });
  --g.waiting;
}

}  // namespace

void stop_calling_thread_when_paused() {
  t_stops = true;
}

void close_pause_gate() {
  Gate& g = gate();
  std::lock_guard<std::mutex> lock(g.mutex);
  g.closed = true;
  g_closed.store(true);
}

void open_pause_gate() {
  Gate& g = gate();
  {
    std::lock_guard<std::mutex> lock(g.mutex);
    g.closed = false;
    g_closed.store(false);
  }
  g.opened.notify_all();
}

std::size_t threads_at_pause_gate() {
  Gate& g = gate();
  std::lock_guard<std::mutex> lock(g.mutex);
  return g.waiting;
}

PausePoint::PausePoint() {
  if (t_depth == 0 && t_stops && g_closed.load()) wait_at_gate();
  ++t_depth;
}

PausePoint::~PausePoint() {
  --t_depth;
}

}  // namespace rt
