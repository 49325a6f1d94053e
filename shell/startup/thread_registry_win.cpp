// Thread records in thread-local storage and the thread registry.
#include "shell/startup/thread_registry_win.h"

#include <float.h>

#include <mutex>

#include "runtime/pause_gate.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"

namespace shell {
namespace {

std::mutex g_registry_lock;
std::vector<HANDLE> g_threads;
thread_local ThreadRecord* t_record = nullptr;

void register_calling_thread() {
  const DWORD self = GetCurrentThreadId();
  AttachThreadInput(self, shell_state().gui_thread_id, TRUE);
  rt::stop_calling_thread_when_paused();
  HANDLE duplicate = nullptr;
  if (DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &duplicate,
                      THREAD_SUSPEND_RESUME | THREAD_QUERY_INFORMATION, FALSE, 0)) {
    g_threads.push_back(duplicate);
  }
}

}  // namespace

ThreadRecord* GetThreadLocal() {
  if (t_record != nullptr) return t_record;
  {
    std::lock_guard<std::mutex> lock(g_registry_lock);
    if (!on_gui_thread()) register_calling_thread();
    t_record = new (std::nothrow) ThreadRecord;
    if (t_record == nullptr) {
      error_box(4, __FILE__, __LINE__);
      return nullptr;
    }
  }
  // The default window, opened when it does not exist yet, becomes the
  // thread's active window.
  wgsetactive(kSelectDefaultWindow);
  return t_record;
}

std::vector<HANDLE> registered_threads() {
  std::lock_guard<std::mutex> lock(g_registry_lock);
  return g_threads;
}

void Yield() {
  const unsigned int control = _controlfp(0, 0);
  for (bool first = true;; first = false) {
    // While paused, wait for the next message rather than spin a core.
    if (!first) MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) exit(static_cast<int>(msg.wParam));
      if (TranslateMDISysAccel(shell_state().mdi_client, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (shell_state().program_state.load() != kProgramStatePaused) break;
  }
  _controlfp(control, _MCW_EM | _MCW_RC);
}

}  // namespace shell

void YIELDQQ() {}
