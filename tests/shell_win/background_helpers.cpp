// Watchdog, message-box closer and plain threads for the shell tests.
#include "shell_win/background_helpers.h"

#include <algorithm>
#include <cstdio>

#include "shell/startup/end_process_win.h"
#include "shell/startup/shell_state_win.h"

namespace shell_test {

Watchdog::Watchdog(std::string what, int seconds)
    : disarmed_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  thread_ = std::thread([this, what, seconds] {
    if (WaitForSingleObject(disarmed_, static_cast<DWORD>(seconds) * 1000) == WAIT_OBJECT_0) return;
    std::printf("FAILED: %s did not finish within %d s (hang)\n", what.c_str(), seconds);
    std::fflush(stdout);
    shell::end_process_now(3);
  });
}

Watchdog::~Watchdog() {
  SetEvent(disarmed_);
  thread_.join();
  CloseHandle(disarmed_);
}

BoxCloser::BoxCloser() : stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  thread_ = std::thread([this] {
    while (WaitForSingleObject(stop_, 20) == WAIT_TIMEOUT) close_boxes();
  });
}

BoxCloser::~BoxCloser() {
  SetEvent(stop_);
  thread_.join();
  CloseHandle(stop_);
}

std::vector<std::string> BoxCloser::texts() {
  std::lock_guard<std::mutex> lock(mutex_);
  return texts_;
}

void BoxCloser::close_boxes() {
  std::vector<HWND> boxes;
  EnumWindows(
      [](HWND hwnd, LPARAM list) -> BOOL {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        char cls[16] = {};
        GetClassNameA(hwnd, cls, sizeof cls);
        if (pid == GetCurrentProcessId() && std::string(cls) == "#32770" && IsWindowVisible(hwnd))
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&boxes));
  for (HWND box : boxes) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (std::find(seen_.begin(), seen_.end(), box) == seen_.end()) {
      char text[1024] = {};
      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
      texts_.push_back(text);
      seen_.push_back(box);
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
}

void on_plain_thread(const std::function<void()>& fn) {
  std::thread t(fn);
  t.join();
}

void settle_gui() {
  // Sent messages overtake posted ones: give the posted ones time as well.
  for (int i = 0; i < 3; ++i) {
    SendMessageA(shell::shell_state().frame, WM_NULL, 0, 0);
    Sleep(30);
  }
}

}  // namespace shell_test
