// The pause gate: a program thread stops only at the start of an outermost
// call while the gate is closed; nested calls and other threads never stop.
#include "runtime/pause_gate.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace {

bool wait_for(const std::function<bool()>& done) {
  for (int i = 0; i < 2000 && !done(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return done();
}

TEST(PauseGate, ProgramThreadsStopAtOutermostCallsOnly) {
  std::atomic<int> outer_calls{0}, nested_calls{0};
  std::atomic<bool> stop{false}, inside{false}, release_inside{false};
  std::thread program([&] {
    rt::stop_calling_thread_when_paused();
    while (!stop.load()) {
      rt::PausePoint outer;
      ++outer_calls;
      if (outer_calls.load() == 1) {
        // Inside a call (which may hold locks) the gate never stops it.
        inside.store(true);
        while (!release_inside.load()) std::this_thread::yield();
        rt::PausePoint nested;
        ++nested_calls;
      }
    }
  });
  ASSERT_TRUE(wait_for([&] { return inside.load(); }));
  rt::close_pause_gate();
  release_inside.store(true);
  ASSERT_TRUE(wait_for([&] { return rt::threads_at_pause_gate() == 1; }));
  EXPECT_EQ(nested_calls.load(), 1);
  const int stopped_at = outer_calls.load();
  {
    rt::PausePoint not_a_program_thread;  // this thread goes on
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(outer_calls.load(), stopped_at);
  rt::open_pause_gate();
  EXPECT_TRUE(wait_for([&] { return outer_calls.load() > stopped_at; }));
  stop.store(true);
  program.join();
  EXPECT_EQ(rt::threads_at_pause_gate(), 0u);
}

}  // namespace
