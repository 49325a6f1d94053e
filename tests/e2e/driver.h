// Drives bvrank.exe as a person would, through Win32 automation: start it
// in a job object (so it never outlives the test), wait for its windows by
// class or title with bounded waits, and end it.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// A Linux path as Wine's Z: drive sees it; Windows paths pass unchanged.
std::string windows_path(const std::string& path);

class Process {
 public:
  // Starts `exe` with `arguments` in `directory` (empty: the current one).
  Process(const std::string& exe, const std::string& arguments, const std::string& directory);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  // Waits up to `timeout_ms` for the process to end; its exit code, or
  // STILL_ACTIVE when it did not end in time.
  DWORD wait_exit(int timeout_ms);

 private:
  HANDLE job_ = nullptr;
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// A visible top-level window of process `pid` with the given class (and
// title, when not null), waited for up to `timeout_ms`; null when none came.
HWND wait_for_window(DWORD pid, const char* class_name, const char* title, int timeout_ms);

std::string window_text(HWND hwnd);
std::string class_name(HWND hwnd);

}  // namespace driver
