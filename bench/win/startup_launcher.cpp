// Start-up benchmark: starts bvrank.exe and a minimal one-window program
// several times each and measures, from just before CreateProcess, how long
// each takes until its window is visible (bvrank: the default child window,
// shown when the program configures it; its frame's time is noted too) and
// until that window is also painted. Prints the runs, the medians and their
// ratios; judges nothing. Each started process is ended afterwards; a start
// that fails or times out is left out.
//
// The same method times both programs, and it does not poll while the
// program starts: the started process's window events (creation, focus;
// delivered out of context, so nothing is loaded into the process) wake the
// launcher, and once the window to time exists it asks that window's thread
// with an empty message, which returns when the thread is done with what it
// was doing (showing the window, for instance), whether the window is
// visible. Without an event it looks again every few milliseconds only
// while that window exists but is hidden, and between visible and painted
// it looks at that one window's update region every few milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/win/qpc_clock.h"

namespace {

// A start under Wine swings by tens of milliseconds with the machine's load:
// with 21 alternating runs no single slow start moves the medians, though on
// a busy machine the ratio still differs by a tenth or more between runs.
constexpr int kDefaultRuns = 21;
constexpr int kTimeoutMs = 30000;
constexpr DWORD kRecheckMs = 2;
constexpr UINT kProbeTimeoutMs = 2000;

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
  std::vector<double> times, painted_times, top_times;
};

bool has_class(HWND hwnd, const char* class_name) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return std::strcmp(name, class_name) == 0;
}

// The windows of the start in progress, as its window events name them.
struct Watch {
  const Target* target = nullptr;
  HWND top = nullptr;    // the top-level window of top_class
  HWND timed = nullptr;  // the window timed: `top` or the child of child_class
  bool event = false;    // an event came since the last look
};
Watch g_watch;  // the hook's callback runs on this thread, in its message waits

void CALLBACK on_window_event(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG, DWORD,
                              DWORD) {
  if (hwnd == nullptr || (object != OBJID_WINDOW && object != OBJID_CLIENT)) return;
  g_watch.event = true;
  if (event != EVENT_OBJECT_CREATE) return;
  const Target& t = *g_watch.target;
  if (g_watch.top == nullptr && has_class(hwnd, t.top_class)) g_watch.top = hwnd;
  if (g_watch.timed == nullptr && has_class(hwnd, t.child_class ? t.child_class : t.top_class))
    g_watch.timed = hwnd;
}

// Whether `hwnd` is visible once its thread has handled what it was busy with.
bool visible_when_idle(HWND hwnd) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kProbeTimeoutMs, &result);
  return IsWindowVisible(hwnd) != FALSE;
}

double seconds_since(long long start) {
  return winbench::qpc_seconds(start, winbench::qpc_now());
}

// Dispatches the window events that came; false when the process ended or
// the time is up. `recheck` bounds the wait when no event comes.
bool wait_for_events(HANDLE process, long long start, bool recheck) {
  const double waited_ms = seconds_since(start) * 1000;
  if (waited_ms > kTimeoutMs) return false;
  const DWORD limit = static_cast<DWORD>(kTimeoutMs - waited_ms) + 1;
  const DWORD woke =
      MsgWaitForMultipleObjects(1, &process, FALSE, recheck ? kRecheckMs : limit, QS_ALLINPUT);
  if (woke == WAIT_OBJECT_0) return false;  // it ended without the window
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  if (woke == WAIT_TIMEOUT) g_watch.event = true;  // look again
  return true;
}

// Waits until the timed window is visible, then until it is painted (no
// part of it waits for its paint any more); records the three times.
bool watch_start(Target& t, HANDLE process, long long start) {
  double top_seconds = -1;
  double visible_seconds = -1;
  for (;;) {
    const bool hidden_window = g_watch.timed != nullptr && visible_seconds < 0;
    if (!wait_for_events(process, start, hidden_window || visible_seconds >= 0)) return false;
    if (!g_watch.event) continue;
    g_watch.event = false;
    if (top_seconds < 0 && g_watch.top != nullptr && visible_when_idle(g_watch.top))
      top_seconds = seconds_since(start);
    if (visible_seconds < 0 && g_watch.timed != nullptr && visible_when_idle(g_watch.timed))
      visible_seconds = seconds_since(start);
    if (visible_seconds >= 0 && !GetUpdateRect(g_watch.timed, nullptr, FALSE)) {
      t.times.push_back(visible_seconds);
      t.painted_times.push_back(seconds_since(start));
      t.top_times.push_back(top_seconds >= 0 ? top_seconds : visible_seconds);
      return true;
    }
  }
}

// One start. False when the program did not start or the window did not
// come in time. (Wine reports no usable processor times for other
// processes: only wall-clock time.)
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
  // Started suspended, so that the hook is in place before its first window.
  if (!CreateProcessA(t.exe.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      nullptr, nullptr, &si, &pi)) {
    if (job != nullptr) CloseHandle(job);
    return false;
  }
  if (job != nullptr) AssignProcessToJobObject(job, pi.hProcess);
  g_watch = Watch{};
  g_watch.target = &t;
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, on_window_event,
                                       pi.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
  ResumeThread(pi.hThread);
  const bool done = hook != nullptr && watch_start(t, pi.hProcess, start);
  if (hook != nullptr) UnhookWinEvent(hook);
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
  std::printf("  ms; median %.1f ms visible, %.1f ms painted", median(t.times) * 1000,
              median(t.painted_times) * 1000);
  if (t.child_class != nullptr)
    std::printf(" (frame visible: median %.1f ms)", median(t.top_times) * 1000);
  const int failed = runs - static_cast<int>(t.times.size());
  if (failed > 0) std::printf(" (%d failed)", failed);
  std::printf("\n");
}

void print_ratio(const char* what, double shell, double plain) {
  if (shell > 0 && plain > 0) {
    std::printf("start-up ratio bvrank/minimal, %s: %.2f (bvrank %.1f ms longer)\n", what,
                shell / plain, (shell - plain) * 1000);
  }
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
               {},
               {}};
  Target plain{"minimal Win32 window",
               windows_path(argc > 3 ? argv[3] : WINBENCH_MINIMAL_EXE),
               "bvrankWinbenchMinimal",
               nullptr,
               {},
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
    t->painted_times.clear();
    t->top_times.clear();
  }
  for (int i = 0; i < runs; ++i) {
    for (Target* t : {&shell, &plain}) time_one_start(*t);
  }
  print_runs(shell, runs);
  print_runs(plain, runs);
  print_ratio("visible", median(shell.times), median(plain.times));
  print_ratio("painted", median(shell.painted_times), median(plain.painted_times));
  std::fflush(stdout);
  return 0;
}
