// Process entry: the shell starts on the GUI thread, creates the frame and
// the default window, then starts the program thread and serves messages
// until the frame is destroyed.
#include <windows.h>

#include <cstring>
#include <new>
#include <string>

#include "runtime/units.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/frame/program_state_win.h"
#include "shell/startup/end_process_win.h"
#include "shell/startup/frame_init_win.h"
#include "shell/startup/program_hooks.h"
#include "shell/startup/shell_state_win.h"
#include "shell/startup/thread_registry_win.h"
#include "shell/units/unit_bridge_win.h"

namespace shell {
namespace {

// The program thread: the run-time's main wrapper around the main program.
DWORD WINAPI ForkMain(LPVOID) {
  GetThreadLocal();
  try {
    program_main();
  } catch (const std::bad_alloc&) {
    // No exception leaves the thread: memory running out is the shell's
    // fatal error, not an abnormal end.
    fatal_box(4, __FILE__, __LINE__);
  }
  rt::finish();
  SetStatusBar(kProgramStateFinished);
  NiceExit(0);
  return 0;
}

void start_program_thread() {
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, ForkMain, nullptr, CREATE_SUSPENDED, &id);
  if (thread == nullptr) return;
  shell_state().program_thread_id = id;
  ResumeThread(thread);
}

int message_loop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
    if (got != -1 && TranslateMDISysAccel(shell_state().mdi_client, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

std::string program_name_from_module() {
  char path[512] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, 256);
  if (n == 0 || n >= 256) return "Tessel";
  GetFilnameBase(path);
  return path;
}

}  // namespace
}  // namespace shell

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  using namespace shell;
  ShellState& s = shell_state();
  s.process_id = GetCurrentProcessId();
  s.gui_thread_id = GetCurrentThreadId();
  install_window_console();
  install_shell_stop_routine();
  const std::string name = program_name_from_module();
  if (FrameInit(name.c_str(), 1, 50, instance, show) == -1) return 0;
  s.exit_mode.store(kExitPrompt);
  start_program_thread();
  const int code = message_loop();
  rt::finish();
  // A program that ended with a code (a run-time error report gives 1)
  // keeps it when the user closes the frame after the exit prompt. Every
  // unit is closed: the process ends at once, without the exit processing
  // that would race with (or wait for) the program thread, which may still
  // run or stand paused.
  end_process_now(code != 0 ? code : s.end_code.load());
}
