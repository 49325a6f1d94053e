// Pause and resume under load: the view stays usable while paused, a
// refused state change is refused everywhere, and pausing, resuming and
// exiting at random moments of heavy output never hangs or loses a record.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "runtime/units.h"
#include "shell/child/child_record_win.h"
#include "shell/frame/menu_table.h"
#include "shell/frame/program_state_win.h"
#include "shell/startup/shell_state_win.h"
#include "shell_win/background_helpers.h"
#include "shell_win/shell_test_support.h"

namespace {

using shell_test::on_plain_thread;
using shell_test::Watchdog;

// The State commands as the keys send them, from a thread that Pause never
// stops.
void command(int id) {
  SendMessageA(shell::shell_state().frame, WM_COMMAND, id, 0);
}

rt::IoStatus open_file_unit(int unit, const std::string& name) {
  rt::OpenRequest r;
  r.unit = unit;
  r.file = name;
  r.action = rt::Action::kWrite;
  return rt::open_unit(r);
}

// Reads `path` and checks that it holds "record 1" ... "record n", each
// ended by CR LF; returns n, or -1 after a failure.
long count_consecutive_records(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  long n = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      ADD_FAILURE() << path << ": unfinished last record after record " << n;
      return -1;
    }
    const std::string expected = "record " + std::to_string(n + 1);
    if (text.compare(at, end - at, expected) != 0) {
      ADD_FAILURE() << path << ": after record " << n << " comes " << text.substr(at, end - at);
      return -1;
    }
    ++n;
    at = end + 2;
  }
  return n;
}

// Writes numbered records to file unit 20 and the console until told to
// stop, allocating and formatting around every record; the thread is a
// program thread from its first write on.
class RecordWriter {
 public:
  RecordWriter() {
    thread_ = std::thread([this] {
      std::mt19937 rng(7);
      for (long n = 1; !stop_.load(); ++n) {
        std::vector<std::string> scratch(1 + rng() % 8, std::string(rng() % 300, 'x'));
        char line[64];
        std::snprintf(line, sizeof line, "record %ld", n);
        if (!rt::write_record(20, line).is_ok() || !rt::write_console(line).is_ok()) {
          failed_.store(true);
          return;
        }
        written_.store(n);
      }
    });
  }
  ~RecordWriter() { stop(); }
  void stop() {
    stop_.store(true);
    if (thread_.joinable()) thread_.join();
  }
  long written() const { return written_.load(); }
  bool failed() const { return failed_.load(); }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> failed_{false};
  std::atomic<long> written_{0};
  std::thread thread_;
};

void sleep_microseconds(unsigned us) {
  std::this_thread::sleep_for(std::chrono::microseconds(us));
}

TEST(Pause, ScrollingWorksWhilePaused) {
  shell_test::configure_like_bvrank();
  shell::ChildRecord* r = shell_test::default_record();
  ASSERT_NE(r, nullptr);
  Watchdog dog("scrolling while paused", 20);
  on_plain_thread([&] {
    SetWindowPos(r->hwnd, nullptr, 0, 0, 300, 300, SWP_NOZORDER | SWP_NOMOVE);
    command(shell::kCmdPause);
    for (int i = 0; i < 200 && shell::GetState() != 1; ++i) Sleep(10);
    ASSERT_EQ(shell::GetState(), 1);
    SendMessageA(r->hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_GT(r->scroll_y, 0) << "scroll bar";
    const int after_bar = r->scroll_y;
    SendMessageA(r->hwnd, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_GT(r->scroll_y, after_bar) << "Page Down";
    command(shell::kCmdResume);
  });
}

TEST(Pause, FinishedRefusesPauseEverywhereAndReleasesPausedThreads) {
  shell_test::configure_like_bvrank();
  ASSERT_TRUE(open_file_unit(20, "finish_while_paused.txt").is_ok());
  RecordWriter writer;
  Watchdog dog("finishing while paused", 30);
  on_plain_thread([&] {
    while (writer.written() < 20) Sleep(1);
    command(shell::kCmdPause);
    Sleep(100);
    const long held = writer.written();
    Sleep(100);
    EXPECT_LE(writer.written(), held + 1) << "the writer goes on while paused";
    // The run ends while paused (a run-time error on another thread):
    // nothing can resume it any more, so its threads run on.
    shell::SetStatusBar(shell::kProgramStateFinished);
    const long at_finish = writer.written();
    for (int i = 0; i < 400 && writer.written() == at_finish; ++i) Sleep(5);
    EXPECT_GT(writer.written(), at_finish) << "the writer stays stopped after the run finished";
    // A pause now is refused, by every path.
    EXPECT_EQ(shell::SetState(1), 0);
    shell::SetStatusBar(shell::kProgramStatePaused);
    command(shell::kCmdPause);
    EXPECT_EQ(shell::GetState(), shell::kProgramStateFinished);
  });
  writer.stop();
  EXPECT_FALSE(writer.failed());
}

TEST(PauseStress, ThousandCyclesDuringHeavyOutputLoseNothing) {
  shell_test::configure_like_bvrank();
  ASSERT_TRUE(open_file_unit(20, "pause_stress.txt").is_ok());
  ASSERT_TRUE(open_file_unit(21, "pause_stress_side.txt").is_ok());
  RecordWriter writer;
  constexpr int kCycles = 1000;
  int paused_with_writer_stopped = 0;
  const DWORD started = GetTickCount();
  {
    Watchdog dog("1000 pause cycles", 150);
    on_plain_thread([&] {
      std::mt19937 rng(11);
      HMENU file_menu = GetSubMenu(shell::shell_state().menu_bar, 0);
      for (int cycle = 0; cycle < kCycles; ++cycle) {
        sleep_microseconds(rng() % 1500);
        command(shell::kCmdPause);
        const long at_pause = writer.written();
        sleep_microseconds(rng() % 1500);
        // While paused: the heap, stdio, the run-time's unit table and the
        // GUI thread's menu handling must all stay available.
        std::string scratch(rng() % 5000, 'p');
        char text[64];
        std::snprintf(text, sizeof text, "side %d %zu", cycle, scratch.size());
        EXPECT_TRUE(rt::write_record(21, text).is_ok());
        SendMessageA(shell::shell_state().frame, WM_INITMENUPOPUP,
                     reinterpret_cast<WPARAM>(file_menu), 0);
        if (writer.written() <= at_pause + 1) ++paused_with_writer_stopped;
        command(shell::kCmdResume);
      }
    });
    writer.stop();
  }
  const DWORD elapsed = GetTickCount() - started;
  ASSERT_FALSE(writer.failed());
  rt::close_unit(20).or_stop();
  rt::close_unit(21).or_stop();
  const long written = writer.written();
  EXPECT_EQ(count_consecutive_records("pause_stress.txt"), written);
  // The screen's last line is the last record.
  shell::ChildRecord* r = shell_test::default_record();
  const std::vector<std::string> lines = shell_test::screen_lines(*r);
  const std::string last = "record " + std::to_string(written);
  EXPECT_NE(std::find(lines.begin(), lines.end(), last), lines.end());
  std::printf("pause stress: %d cycles in %lu ms, %ld records written, %d pauses held the writer\n",
              kCycles, static_cast<unsigned long>(elapsed), written, paused_with_writer_stopped);
}

// One run of the exit stress, in a process of its own: heavy output, random
// pauses and resumes, then the frame is closed at a random moment.
TEST(PauseStress, DISABLED_ExitRun) {
  const char* seed_text = std::getenv("BVRANK_EXIT_SEED");
  const unsigned seed = seed_text != nullptr ? static_cast<unsigned>(std::atoi(seed_text)) : 1;
  shell_test::configure_like_bvrank();
  ASSERT_TRUE(open_file_unit(20, "exit_run.txt").is_ok());
  RecordWriter writer;
  std::thread closer([seed] {
    std::mt19937 rng(seed);
    const int cycles = static_cast<int>(rng() % 20);
    for (int i = 0; i < cycles; ++i) {
      sleep_microseconds(rng() % 3000);
      command(i % 2 == 0 ? shell::kCmdPause : shell::kCmdResume);
    }
    sleep_microseconds(rng() % 3000);
    PostMessageA(shell::shell_state().frame, WM_CLOSE, 0, 0);
  });
  closer.join();
  Sleep(30000);  // the process ends with the frame
}

TEST(PauseStress, ExitAtRandomMomentsNeverHangsOrLosesRecords) {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  constexpr int kRuns = 16;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = std::string(temp) + "bvrank_exit_stress";
  CreateDirectoryA(dir.c_str(), nullptr);
  const std::string file = dir + "\\exit_run.txt";
  int hung = 0;
  long total_records = 0;
  const DWORD started = GetTickCount();
  for (int run = 0; run < kRuns; ++run) {
    SCOPED_TRACE(run);
    DeleteFileA(file.c_str());
    SetEnvironmentVariableA("BVRANK_EXIT_SEED", std::to_string(run * 7919 + 3).c_str());
    std::string cmd =
        std::string("\"") + exe +
        "\" --gtest_also_run_disabled_tests --gtest_filter=PauseStress.DISABLED_ExitRun";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               dir.c_str(), &si, &pi));
    DWORD code = 0;
    if (WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0) {
      ++hung;
      TerminateProcess(pi.hProcess, 9);
      WaitForSingleObject(pi.hProcess, 5000);
    }
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u) << "the process did not end as closing the frame ends it";
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    const long n = count_consecutive_records(file);
    EXPECT_GE(n, 0);
    total_records += n > 0 ? n : 0;
  }
  EXPECT_EQ(hung, 0);
  std::printf("exit stress: %d runs in %lu ms, %ld records on disk, %d hung\n", kRuns,
              static_cast<unsigned long>(GetTickCount() - started), total_records, hung);
}

}  // namespace
