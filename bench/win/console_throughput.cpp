// Console throughput of the windowed shell: the default window, configured
// as bvrank configures it (695 x 895 pixels), takes 20 000 report lines
// through the run-time's console output, alternating in rounds with a plain
// window of the same client size that draws the same lines as a minimal
// terminal does (and with one that shows as much of them as the shell's
// window). Prints wall and CPU time of each, their medians and ratios;
// judges nothing. --rounds N sets the rounds, --breakdown adds runs that
// enter the shell at lower levels and counts the GUI thread's messages.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench/win/qpc_clock.h"
#include "bench/win/reference_terminal.h"
#include "bench/win/report_lines.h"
#include "runtime/units.h"
#include "shell/child/child_record_win.h"
#include "shell/child/text_output_win.h"
#include "shell/frame/window_services.h"
#include "shell/startup/program_hooks.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/unit_services.h"
#include "shell/units/window_table_win.h"

namespace {

constexpr int kLineCount = 20000;
constexpr int kDefaultRounds = 5;

struct Timing {
  double wall = -1;  // seconds
  double cpu = -1;   // seconds of this process, all threads, user and kernel
};

double process_cpu_seconds() {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user)) return 0;
  auto ticks = [](const FILETIME& f) {
    return static_cast<double>((static_cast<unsigned long long>(f.dwHighDateTime) << 32) |
                               f.dwLowDateTime);
  };
  return (ticks(kernel) + ticks(user)) / 1e7;
}

// Times `run`, which returns its own wall time when it measures a part of
// its work only (negative: use the time of the whole call).
Timing measure(const std::function<double()>& run) {
  const double cpu_start = process_cpu_seconds();
  const long long start = winbench::qpc_now();
  const double own = run();
  Timing t;
  t.wall = own >= 0 ? own : winbench::qpc_seconds(start, winbench::qpc_now());
  t.cpu = process_cpu_seconds() - cpu_start;
  return t;
}

double median(std::vector<double> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The default window as bvrank's GRAPHICSMODE leaves it: 695 x 895 pixels,
// everything else chosen by the shell.
void configure_like_bvrank() {
  shell::WindowConfig c = shell::default_window_config();
  c.numxpixels = 695;
  c.numypixels = 895;
  c.title[0] = ' ';
  c.title[1] = '\0';
  if (SETWINDOWCONFIG(c) == 0) SETWINDOWCONFIG(c);
}

shell::ChildRecord* default_record() {
  return shell::record_of(shell::default_window());
}

// The shell's default window as the reference should copy it.
bool shell_geometry(winbench::TerminalGeometry& g) {
  shell::ChildRecord* r = default_record();
  if (r == nullptr || !r->configured) return false;
  g.width = r->screen_width;
  g.height = r->screen_height;
  g.cell_width = r->cell_width;
  g.cell_height = r->cell_height;
  g.rows = r->text_rows;
  return GetObjectA(r->font.get(), sizeof g.font, &g.font) == sizeof g.font;
}

// Returns once the GUI thread has served everything the writes posted to it.
void sync_with_gui_thread() {
  if (shell::ChildRecord* r = default_record()) SendMessageA(r->hwnd, WM_NULL, 0, 0);
}

// The shell entered at three levels: the run-time's console output (as the
// program writes), the window's Write request (one for the owed line feed,
// one for the record, as the unit bridge makes them), and the text drawing
// under Write.
enum class ShellLevel { kRuntime, kWrite, kDrawing };

double run_shell(const std::vector<std::string>& lines, ShellLevel level) {
  shell::ChildRecord* r = default_record();
  const int window = shell::default_window();
  switch (level) {
    case ShellLevel::kRuntime:
      for (const std::string& line : lines) rt::write_console(line).or_stop();
      break;
    case ShellLevel::kWrite:
      for (const std::string& line : lines) {
        shell::Write("\n", 1, window, 0);
        shell::Write(line.data(), static_cast<std::int32_t>(line.size()), window, 0);
      }
      break;
    case ShellLevel::kDrawing:
      for (const std::string& line : lines) {
        shell::write_text(*r, "\n", true);
        shell::write_text(*r, line, true);
      }
      break;
  }
  sync_with_gui_thread();
  return -1;
}

void print_timing(const char* what, const Timing& t) {
  std::printf("  %-40s %7.3f s wall %7.3f s CPU %9.0f lines/s\n", what, t.wall, t.cpu,
              t.wall > 0 ? kLineCount / t.wall : 0.0);
  std::fflush(stdout);
}

// Messages the GUI thread takes from its queue and is sent, by number,
// while counting is on.
std::map<UINT, long> g_posted, g_sent;
bool g_counting = false;

LRESULT CALLBACK count_posted(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HC_ACTION && g_counting && wparam == PM_REMOVE)
    ++g_posted[reinterpret_cast<MSG*>(lparam)->message];
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK count_sent(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HC_ACTION && g_counting) ++g_sent[reinterpret_cast<CWPSTRUCT*>(lparam)->message];
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void print_counts(const char* what, const std::map<UINT, long>& counts) {
  std::printf("  GUI thread, %s:", what);
  if (counts.empty()) std::printf(" none");
  for (const auto& [message, n] : counts) std::printf(" 0x%04X x %ld", message, n);
  std::printf("\n");
}

// The shell's default window with the client area it shows: the reference
// with this area draws as few pixels on the screen as the shell does.
winbench::TerminalGeometry as_shown_by_shell(const winbench::TerminalGeometry& geometry) {
  winbench::TerminalGeometry shown = geometry;
  RECT client = {};
  GetClientRect(default_record()->hwnd, &client);
  shown.view_width = client.right;
  shown.view_height = client.bottom;
  return shown;
}

// The runs that show where the shell's time goes.
void breakdown(const std::vector<std::string>& lines, const winbench::TerminalGeometry& geometry) {
  std::printf("breakdown, one run each:\n");
  print_timing("shell, run-time console output",
               measure([&] { return run_shell(lines, ShellLevel::kRuntime); }));
  print_timing("shell, Write requests",
               measure([&] { return run_shell(lines, ShellLevel::kWrite); }));
  print_timing("shell, text drawing only",
               measure([&] { return run_shell(lines, ShellLevel::kDrawing); }));
  print_timing("reference, one thread serving messages", measure([&] {
                 return winbench::run_reference_terminal(geometry, lines,
                                                         winbench::ReferenceThreads::kSingleThread);
               }));

  const DWORD gui = shell::shell_state().gui_thread_id;
  HHOOK posted = SetWindowsHookExA(WH_GETMESSAGE, count_posted, nullptr, gui);
  HHOOK sent = SetWindowsHookExA(WH_CALLWNDPROC, count_sent, nullptr, gui);
  SendMessageA(shell::shell_state().frame, WM_NULL, 0, 0);  // let the hooks settle in
  g_counting = true;
  const Timing counted = measure([&] { return run_shell(lines, ShellLevel::kRuntime); });
  g_counting = false;
  if (posted != nullptr) UnhookWindowsHookEx(posted);
  if (sent != nullptr) UnhookWindowsHookEx(sent);
  print_timing("shell, run-time output, messages counted", counted);
  print_counts("messages taken from the queue", g_posted);
  print_counts("messages sent to it", g_sent);
}

// Wall and CPU times of one contender over the rounds.
struct Series {
  const char* label;
  std::vector<double> wall, cpu;
  void add(const Timing& t) {
    print_timing(label, t);
    wall.push_back(t.wall);
    cpu.push_back(t.cpu);
  }
};

void print_ratio(const char* what, const Series& shell, const Series& reference) {
  const double sw = median(shell.wall), rw = median(reference.wall);
  const double sc = median(shell.cpu), rc = median(reference.cpu);
  std::printf("console time ratio shell/reference (%s): wall %.2f, CPU %.2f\n", what,
              rw > 0 ? sw / rw : 0.0, rc > 0 ? sc / rc : 0.0);
}

int rounds_from_arguments() {
  for (int i = 1; i + 1 < __argc; ++i) {
    if (std::strcmp(__argv[i], "--rounds") == 0) return std::max(1, std::atoi(__argv[i + 1]));
  }
  return kDefaultRounds;
}

bool has_argument(const char* name) {
  for (int i = 1; i < __argc; ++i) {
    if (std::strcmp(__argv[i], name) == 0) return true;
  }
  return false;
}

}  // namespace

bool INITIALSETTINGS() {
  shell::WindowSizeRecord frame{4, 0, 0, 900, 700};
  SETWSIZEQQ(kFramePseudoUnit, frame);
  shell::WindowSizeRecord child{2, 0, 0, 895, 695};
  SETWSIZEQQ(0, child);
  return true;
}

void program_main() {
  configure_like_bvrank();
  winbench::TerminalGeometry geometry;
  if (!shell_geometry(geometry)) {
    std::printf("console throughput: the default window was not configured\n");
    std::fflush(stdout);
    ExitProcess(1);
  }
  const std::vector<std::string> lines = winbench::make_report_lines(kLineCount);
  const int rounds = rounds_from_arguments();
  const winbench::TerminalGeometry shown = as_shown_by_shell(geometry);
  std::printf(
      "console throughput: %d lines of %d characters, window %d x %d pixels, %d rows of "
      "%d x %d cells, %d rounds\n",
      kLineCount, winbench::kReportLineLength, geometry.width, geometry.height, geometry.rows,
      geometry.cell_width, geometry.cell_height, rounds);
  std::printf(
      "the shell's window shows %d x %d pixels of it; the reference window shows all of "
      "it, its second run as much as the shell's\n",
      shown.view_width, shown.view_height);

  Series shell{"shell (rt::write_console)", {}, {}};
  Series reference{"reference (plain window)", {}, {}};
  Series reference_shown{"reference, shell's visible area", {}, {}};
  for (int round = 1; round <= rounds; ++round) {
    std::printf("round %d:\n", round);
    shell.add(measure([&] { return run_shell(lines, ShellLevel::kRuntime); }));
    reference.add(measure([&] {
      return winbench::run_reference_terminal(geometry, lines,
                                              winbench::ReferenceThreads::kWindowThread);
    }));
    reference_shown.add(measure([&] {
      return winbench::run_reference_terminal(shown, lines,
                                              winbench::ReferenceThreads::kWindowThread);
    }));
  }
  std::printf("medians:\n");
  for (const Series* series : {&shell, &reference, &reference_shown}) {
    const double wall = median(series->wall);
    std::printf("  %-40s %7.3f s wall %7.3f s CPU %9.0f lines/s\n", series->label, wall,
                median(series->cpu), wall > 0 ? kLineCount / wall : 0.0);
  }
  print_ratio("reference window 695 x 895", shell, reference);
  print_ratio("reference with the shell's visible area", shell, reference_shown);
  std::fflush(stdout);
  if (has_argument("--breakdown")) breakdown(lines, geometry);
  std::fflush(stdout);
  ExitProcess(0);
}
