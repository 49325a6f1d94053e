// Start-up benchmark: starts bvrank.exe and a minimal one-window program
// several times each and measures, from just before CreateProcess, how long
// each takes until its window is visible (bvrank: the default child window,
// shown when the program configures it; its frame's time is noted too).
// Prints the runs, the medians and their ratio; judges nothing. Each started
// process is ended afterwards; a start that fails or times out is left out.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/win/qpc_clock.h"

namespace {

constexpr int kDefaultRuns = 5;
constexpr int kTimeoutMs = 30000;

// A Linux path as Wine's Z: drive sees it; Windows paths pass unchanged.
std::string windows_path(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

// What to wait for: a visible top-level window of class `top_class`, and
// when `child_class` is set, a visible descendant of it of that class.
struct Target {
  const char* label;
  std::string exe;
  const char* top_class;
  const char* child_class;  // null: the top-level window is the one timed
  std::vector<double> times, top_times;
};

struct Search {
  DWORD pid;
  const Target* target;
  bool top_found = false;
  bool found = false;
};

bool has_class(HWND hwnd, const char* class_name) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return std::strcmp(name, class_name) == 0;
}

BOOL CALLBACK check_child(HWND hwnd, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  if (has_class(hwnd, s->target->child_class) && IsWindowVisible(hwnd)) {
    s->found = true;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK check_top_level(HWND hwnd, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s->pid || !has_class(hwnd, s->target->top_class) || !IsWindowVisible(hwnd))
    return TRUE;
  s->top_found = true;
  if (s->target->child_class == nullptr) {
    s->found = true;
  } else {
    EnumChildWindows(hwnd, check_child, p);
  }
  return s->found ? FALSE : TRUE;
}

// One start, polled every millisecond: records the seconds until the
// top-level window and the timed window were visible. False when the
// program did not start or the window did not come in time. (Wine reports
// no usable processor times for other processes: only wall-clock time.)
bool time_one_start(Target& t) {
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (job != nullptr)
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);

  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string command = "\"" + t.exe + "\"";
  const long long start = winbench::qpc_now();
  if (!CreateProcessA(t.exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi)) {
    if (job != nullptr) CloseHandle(job);
    return false;
  }
  if (job != nullptr) AssignProcessToJobObject(job, pi.hProcess);
  Search s{pi.dwProcessId, &t};
  double top_seconds = -1;
  bool done = false;
  for (;;) {
    EnumWindows(check_top_level, reinterpret_cast<LPARAM>(&s));
    const double seconds = winbench::qpc_seconds(start, winbench::qpc_now());
    if (s.top_found && top_seconds < 0) top_seconds = seconds;
    if (s.found) {
      t.times.push_back(seconds);
      t.top_times.push_back(top_seconds);
      done = true;
      break;
    }
    if (seconds * 1000 > kTimeoutMs) break;
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;  // it ended without the window
    Sleep(1);
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  if (job != nullptr) CloseHandle(job);
  return done;
}

double median(std::vector<double> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void print_runs(const Target& t, int runs) {
  std::printf("%-26s", t.label);
  for (double v : t.times) std::printf(" %6.1f", v * 1000);
  std::printf("  ms; median %.1f ms", median(t.times) * 1000);
  if (t.child_class != nullptr)
    std::printf(" (frame visible: median %.1f ms)", median(t.top_times) * 1000);
  const int failed = runs - static_cast<int>(t.times.size());
  if (failed > 0) std::printf(" (%d failed)", failed);
  std::printf("\n");
}

}  // namespace

// Arguments (all optional): number of runs, bvrank.exe, the minimal program.
int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
  Target shell{"bvrank (default window)",
               windows_path(argc > 2 ? argv[2] : BVRANK_EXE),
               "bvrankFRAME",
               "bvrankGraphic",
               {},
               {}};
  Target plain{"minimal Win32 window",
               windows_path(argc > 3 ? argv[3] : WINBENCH_MINIMAL_EXE),
               "bvrankWinbenchMinimal",
               nullptr,
               {},
               {}};
  std::printf("start-up to a visible window, %d runs each, alternating, after one untimed start:\n",
              runs);
  std::fflush(stdout);
  // One untimed start each loads the programs into the caches; then the
  // two alternate, so a change in the machine's load falls on both.
  for (Target* t : {&shell, &plain}) {
    time_one_start(*t);
    t->times.clear();
    t->top_times.clear();
  }
  for (int i = 0; i < runs; ++i) {
    for (Target* t : {&shell, &plain}) time_one_start(*t);
  }
  print_runs(shell, runs);
  print_runs(plain, runs);
  const double shell_median = median(shell.times);
  const double plain_median = median(plain.times);
  if (shell_median > 0 && plain_median > 0) {
    std::printf("start-up ratio bvrank/minimal: %.2f (bvrank %.1f ms longer)\n",
                shell_median / plain_median, (shell_median - plain_median) * 1000);
  }
  std::fflush(stdout);
  return 0;
}
