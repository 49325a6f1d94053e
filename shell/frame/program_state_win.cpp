// Program states and the end of the run. The exit prompt's No keeps the
// windows working through the calling thread's own message pump; closing
// the frame ends the process without waiting for the program thread.
#include "shell/frame/program_state_win.h"

#include <windows.h>

#include <mutex>
#include <string>

#include "runtime/error_stop.h"
#include "runtime/pause_gate.h"
#include "runtime/units.h"
#include "shell/edit/select_mode_win.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/frame/frame_window_win.h"
#include "shell/frame/menu_bar_win.h"
#include "shell/frame/menu_lock_win.h"
#include "shell/frame/program_state.h"
#include "shell/frame/shell_texts.h"
#include "shell/frame/status_bar_win.h"
#include "shell/frame/status_message.h"
#include "shell/startup/end_process_win.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"

namespace shell {
namespace {

std::mutex g_message_lock;
StatusMessages g_messages;
// One lock for the state and everything that follows it (the shared state
// word, the pause gate, the user items), so that a refused change is
// refused everywhere and Pause can never slip in after Finished.
std::recursive_mutex g_state_lock;
ProgramStates g_states;

// Serves the calling thread's messages until WM_QUIT.
void pump_until_quit() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (TranslateMDISysAccel(shell_state().mdi_client, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Moves to `state` under the state lock; false when the move is refused.
// A paused run that finishes has nobody left to resume it: its threads go on.
bool move_state(int state) {
  std::lock_guard<std::recursive_mutex> lock(g_state_lock);
  if (state == kProgramStateFinished) {
    const bool was_paused = g_states.state() == ProgramState::kPaused;
    g_states.finish();
    shell_state().program_state.store(state);
    if (was_paused) ResumeApplication();
    return true;
  }
  if (!g_states.set_state(state)) return false;
  shell_state().program_state.store(state);
  return true;
}

[[noreturn]] void shell_stop(const std::string& report) {
  rt::finish();
  const std::string caption = shell_state().program_name + " Run-Time Error";
  MessageBoxA(shell_state().frame, report.c_str(), caption.c_str(),
              MB_OK | MB_ICONHAND | MB_TASKMODAL);
  NiceExit(1);
  end_process_now(1);
}

}  // namespace

void SetStatusBar(int state) {
  if (state < kProgramStateRunning || state > kProgramStateFinished) {
    warning_box(6, __FILE__, __LINE__);
    return;
  }
  if (!move_state(state)) return;
  // The word of the state as it is now: a later change by another thread
  // then never leaves an older word showing.
  show_state_word(GetState());
}

int SetState(int state) {
  if ((state != 0 && state != 1) || !move_state(state)) return 0;
  show_state_word(GetState());
  return 1;
}

int GetState() {
  return shell_state().program_state.load();
}

void show_state_word_again() {
  show_state_word(GetState());
}

void SetStatusText(const char* text) {
  std::string shown;
  {
    std::lock_guard<std::mutex> lock(g_message_lock);
    g_messages.set(text);
    shown = g_messages.shown();
  }
  show_status_message(shown.c_str());
}

void set_input_pending(bool pending) {
  std::lock_guard<std::mutex> lock(g_message_lock);
  g_messages.set_input_pending(pending);
}

int SetExit(int mode) {
  if (mode < kExitPrompt || mode > kExitKeepWindows) return -1;
  shell_state().exit_mode.store(mode);
  return 0;
}

int GetExit() {
  return shell_state().exit_mode.load();
}

// Program threads are not suspended wherever they happen to be (inside the
// heap, stdio or a unit, which the GUI thread then needs): they stop at the
// start of their next call into the run-time or the shell.
void PauseApplication() {
  set_user_items_enabled(false);
  rt::close_pause_gate();
}

void ResumeApplication() {
  set_user_items_enabled(true);
  rt::open_pause_gate();
}

void pause_command() {
  {
    std::lock_guard<std::recursive_mutex> lock(g_state_lock);
    // Already paused (remembered for the next Resume) or finished.
    if (g_states.pause() != PauseStep::kPause) return;
    if (!move_state(kProgramStatePaused)) return;
    PauseApplication();
  }
  show_state_word(GetState());
}

void resume_command() {
  end_selection_modes();
  {
    std::lock_guard<std::recursive_mutex> lock(g_state_lock);
    if (g_states.resume() != ResumeStep::kResume) return;
    if (!move_state(kProgramStateRunning)) return;
    ResumeApplication();
  }
  show_state_word(GetState());
}

int NiceExit(int code) {
  shell_state().end_code.store(code);
  if (active_child() != nullptr) grey_program_items();
  return ProgramExit(code);
}

int ProgramExit(int code) {
  SetStatusBar(kProgramStateFinished);
  const int mode = GetExit();
  if (mode == kExitPrompt) {
    const std::string text = shell_text(ShellText::kExitCode) + " " + std::to_string(code) +
                             shell_text(ShellText::kExitQuestion);
    const int answer =
        MessageBoxA(shell_state().mdi_client, text.c_str(), shell_state().program_name.c_str(),
                    MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
    if (answer != IDYES) pump_until_quit();
  } else if (mode == kExitKeepWindows) {
    pump_until_quit();
  }
  PostMessageA(shell_state().frame, WM_CLOSE, 0, 0);
  return 0;
}

void ExitCommand() {
  show_minimal_menu_bar();
  if (!PostMessageA(shell_state().frame, WM_CLOSE, 0, 0)) error_box(5, __FILE__, __LINE__);
}

void install_shell_stop_routine() {
  rt::set_stop_routine(shell_stop);
}

}  // namespace shell
