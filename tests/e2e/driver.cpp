// Win32 automation helpers for the end-to-end tests.
#include "e2e/driver.h"

#include <chrono>
#include <vector>

namespace driver {

std::string windows_path(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string out = "Z:" + path;
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

Process::Process(const std::string& exe, const std::string& arguments, const std::string& directory) {
  job_ = CreateJobObjectA(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);

  std::string command = "\"" + windows_path(exe) + "\"";
  if (!arguments.empty()) command += " " + arguments;
  std::vector<char> buffer(command.begin(), command.end());
  buffer.push_back('\0');
  const std::string dir = windows_path(directory);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      dir.empty() ? nullptr : dir.c_str(), &si, &pi)) {
    return;
  }
  AssignProcessToJobObject(job_, pi.hProcess);
  ResumeThread(pi.hThread);
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  id_ = pi.dwProcessId;
}

Process::~Process() {
  if (process_ != nullptr) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 255);
    CloseHandle(process_);
  }
  if (job_ != nullptr) CloseHandle(job_);
}

DWORD Process::wait_exit(int timeout_ms) {
  if (process_ == nullptr) return STILL_ACTIVE;
  if (WaitForSingleObject(process_, static_cast<DWORD>(timeout_ms)) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_, &code);
  return code;
}

namespace {

struct WindowQuery {
  DWORD pid;
  const char* class_name;
  const char* title;
  HWND found;
};

BOOL CALLBACK match_window(HWND hwnd, LPARAM param) {
  auto* q = reinterpret_cast<WindowQuery*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != q->pid || !IsWindowVisible(hwnd)) return TRUE;
  if (q->class_name != nullptr && class_name(hwnd) != q->class_name) return TRUE;
  if (q->title != nullptr && window_text(hwnd) != q->title) return TRUE;
  q->found = hwnd;
  return FALSE;
}

}  // namespace

HWND wait_for_window(DWORD pid, const char* class_name_wanted, const char* title, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    WindowQuery q = {pid, class_name_wanted, title, nullptr};
    EnumWindows(match_window, reinterpret_cast<LPARAM>(&q));
    if (q.found != nullptr) return q.found;
    if (std::chrono::steady_clock::now() >= deadline) return nullptr;
    // Nothing to wait on across processes for a window's creation: poll.
    Sleep(20);
  }
}

std::string window_text(HWND hwnd) {
  char text[1024] = {};
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, nullptr);
  return text;
}

std::string class_name(HWND hwnd) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

}  // namespace driver
