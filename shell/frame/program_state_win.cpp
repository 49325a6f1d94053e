// Program states and the end of the run. The exit prompt's No keeps the
// windows working through the calling thread's own message pump; closing
// the frame ends the process without waiting for the program thread.
#include "shell/frame/program_state_win.h"

#include <windows.h>

#include <mutex>
#include <string>

#include "runtime/error_stop.h"
#include "runtime/units.h"
#include "shell/child/child_record_win.h"
#include "shell/child/keyboard_input_win.h"
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
#include "shell/startup/thread_registry_win.h"
#include "shell/units/active_window_win.h"

namespace shell {
namespace {

std::mutex g_message_lock;
StatusMessages g_messages;
std::mutex g_state_lock;
ProgramStates g_states;
std::atomic<HANDLE> g_pause_thread{nullptr};

// Serves the calling thread's messages until WM_QUIT.
void pump_until_quit() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (TranslateMDISysAccel(shell_state().mdi_client, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

DWORD WINAPI pause_thread(LPVOID) {
  // No program thread is stopped inside a step of a read or key wait, which
  // would leave every typed key waiting for the keyboard lock while paused.
  std::lock_guard<std::mutex> keys(keyboard_lock());
  ChildRecord* r = child_record(active_child());
  if (r != nullptr) {
    r->text_lock.lock();
    r->drawing_lock.lock();
  }
  {
    // Nor is a program thread stopped inside a menu service, which would
    // leave the menus locked while paused.
    std::lock_guard<std::recursive_mutex> menus(menu_lock());
    if (SetState(kProgramStatePaused) != 0) PauseApplication();
  }
  if (r != nullptr) {
    r->text_lock.unlock();
    GdiFlush();
    r->drawing_lock.unlock();
  }
  HANDLE self = g_pause_thread.exchange(nullptr);
  if (self != nullptr) CloseHandle(self);
  return 0;
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
  {
    std::lock_guard<std::mutex> lock(g_state_lock);
    if (state == kProgramStateFinished) {
      g_states.finish();
    } else {
      g_states.set_state(state);
    }
  }
  shell_state().program_state.store(state);
  show_state_word(state);
}

int SetState(int state) {
  {
    std::lock_guard<std::mutex> lock(g_state_lock);
    if (g_states.state() == ProgramState::kFinished || (state != 0 && state != 1)) return 0;
  }
  SetStatusBar(state);
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

void PauseApplication() {
  set_user_items_enabled(false);
  for (HANDLE t : registered_threads()) SuspendThread(t);
}

void ResumeApplication() {
  set_user_items_enabled(true);
  for (HANDLE t : registered_threads()) ResumeThread(t);
}

void pause_command() {
  PauseStep step;
  {
    std::lock_guard<std::mutex> lock(g_state_lock);
    step = g_states.pause();
  }
  if (step != PauseStep::kPause) return;  // already paused (remembered) or finished
  if (g_pause_thread.load() != nullptr) return;
  HANDLE t = CreateThread(nullptr, 0, pause_thread, nullptr, CREATE_SUSPENDED, nullptr);
  if (t == nullptr) return;
  g_pause_thread.store(t);
  ResumeThread(t);
}

bool pausing() {
  return g_pause_thread.load() != nullptr;
}

void pause_and_wait() {
  pause_command();
  while (g_pause_thread.load() != nullptr) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      if (TranslateMDISysAccel(shell_state().mdi_client, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

void resume_command() {
  end_selection_modes();
  ResumeStep step;
  {
    std::lock_guard<std::mutex> lock(g_state_lock);
    step = g_states.resume();
  }
  if (step == ResumeStep::kResume && SetState(kProgramStateRunning) != 0) ResumeApplication();
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
