// Error boxes. A warning or error box that cannot be shown turns into a
// fatal error without a box.
#include "shell/frame/error_boxes_win.h"

#include <windows.h>

#include "runtime/units.h"
#include "shell/startup/end_process_win.h"
#include "shell/startup/shell_state_win.h"

namespace shell {
namespace {

bool show_box(ErrorLevel level, int number, const char* file, int line, bool settings_hook,
              UINT icon) {
  const std::string text = error_box_text(level, number, file, line, settings_hook);
  // A frame that failed while being made (or is gone) cannot own the box.
  HWND owner = shell_state().frame;
  if (owner != nullptr && !IsWindow(owner)) owner = nullptr;
  return MessageBoxA(owner, text.c_str(), error_caption(level), MB_OK | MB_TASKMODAL | icon) != 0;
}

}  // namespace

void warning_box(int number, const char* file, int line) {
  if (!show_box(ErrorLevel::kWarning, number, file, line, false, MB_ICONWARNING))
    fatal_box(0, file, line);
}

void error_box(int number, const char* file, int line, bool initial_settings_hook) {
  if (!show_box(ErrorLevel::kError, number, file, line, initial_settings_hook, MB_ICONERROR)) {
    fatal_box(0, file, line);
  }
}

void fatal_box(int number, const char* file, int line) {
  if (number != 0) show_box(ErrorLevel::kFatal, number, file, line, false, MB_ICONERROR);
  ShellState& s = shell_state();
  if (s.frame != nullptr && s.minimal_menu_bar != nullptr) SetMenu(s.frame, s.minimal_menu_bar);
  rt::finish();
  end_process_now(-1);
}

}  // namespace shell
