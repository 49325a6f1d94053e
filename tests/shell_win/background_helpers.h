// Threads that keep a shell test bounded and observable: a watchdog that
// turns a hang into a failed test, a closer that answers the message boxes
// the shell shows meanwhile, and a plain thread that never calls the shell
// (so Pause never stops it).
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "e2e/driver.h"

namespace shell_test {

// Ends the test process with a failure when it is still alive `seconds`
// after construction; destroying it disarms it.
class Watchdog {
 public:
  Watchdog(std::string what, int seconds);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  HANDLE disarmed_;
  std::thread thread_;
};

// Presses OK on every message box of this process while it lives and
// keeps the boxes' texts.
class BoxCloser {
 public:
  BoxCloser();
  ~BoxCloser();
  BoxCloser(const BoxCloser&) = delete;
  BoxCloser& operator=(const BoxCloser&) = delete;
  std::vector<std::string> texts();

 private:
  void close_boxes();
  std::mutex mutex_;
  std::vector<std::string> texts_;
  std::vector<HWND> seen_;
  HANDLE stop_;
  std::thread thread_;
};

// Runs `fn` on a new thread that makes no shell call, and waits for it.
void on_plain_thread(const std::function<void()>& fn);

// Lets the GUI thread serve what was sent and posted to it so far.
void settle_gui();

}  // namespace shell_test

namespace shell_test {

// The pixels of `dc` in a w x h rectangle from (x, y), as 0x00RRGGBB.
using driver::pixels_of;

}  // namespace shell_test
