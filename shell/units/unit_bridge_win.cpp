// Units to windows. Console units (and output without a unit) use the
// default window; a window unit writes to its own window. With the
// I/O-focus option the unit's window is made active and given the focus
// before every record.
#include "shell/units/unit_bridge_win.h"

#include <windows.h>

#include <cstdlib>

#include "runtime/units.h"
#include "shell/child/child_record_win.h"
#include "shell/child/keyboard_input_win.h"
#include "shell/child/line_editor.h"
#include "shell/child/text_output_win.h"
#include "shell/frame/shell_texts.h"
#include "shell/frame/common_dialogs_win.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/unit_services.h"
#include "shell/units/window_table_win.h"

namespace shell {
namespace {

WindowConsole g_console;

bool is_console(const rt::UnitConnection& c) {
  return rt::is_console_kind(c.kind);
}

// Makes the unit's window active and focused when it has the I/O focus.
bool prepare_window(const rt::UnitConnection& c, int window) {
  if (!c.iofocus) return true;
  if (wgsetactive(window) == 0) return false;
  ActivateChild(window);
  return true;
}

}  // namespace

int window_for(const rt::UnitConnection& c) {
  if (c.window_unit) return c.window;
  if (!is_console(c)) return kNoWindow;
  // The default window, opened anew when it was closed.
  const int d = default_window();
  if (window_of(d) == nullptr) {
    const int active = wggetactive();
    if (wgsetactive(kSelectDefaultWindow) == 0) return kNoWindow;
    const int opened = default_window();
    if (active != opened) wgsetactive(active);
    return opened;
  }
  return d;
}

bool WindowConsole::connect(rt::UnitConnection& c, const std::optional<std::string>& title,
                            std::optional<bool> iofocus, std::string& error) {
  if (c.kind != rt::DeviceKind::kWindow) {
    if (iofocus) c.iofocus = *iofocus;
    return true;
  }
  const std::string caption = title ? *title : "Unit " + std::to_string(c.unit);
  const int window = wgopen(caption.c_str());
  if (window == kNoWindow) {
    error = "no window could be opened";
    return false;
  }
  c.window = window;
  c.window_unit = true;
  c.iofocus = iofocus.value_or(true);
  if (c.iofocus) {
    SetIOFOCUS(window);
    if (wgsetactive(window) == 0) {
      error = "the window could not be made active";
      return false;
    }
  }
  return true;
}

bool WindowConsole::write(const rt::UnitConnection& c, std::string_view bytes) {
  // Output that arrives while the frame is being destroyed has nowhere to
  // go and the process is ending: it is not an error of the program.
  if (shell_state().frame_closing.load()) return true;
  const int window = window_for(c);
  if (window == kNoWindow || !prepare_window(c, window)) return false;
  const auto length = static_cast<std::int32_t>(bytes.size());
  return Write(bytes.data(), length, window, 0) == length;
}

rt::DeviceRead WindowConsole::read_line(const rt::UnitConnection& c, std::string& line) {
  const int window = window_for(c);
  if (window == kNoWindow || !prepare_window(c, window)) return rt::DeviceRead::kError;
  // The typed line starts after what was written to the window, as it
  // would after a text call.
  complete_window_lines(window);
  char buffer[kLineCapacity];
  const std::int32_t n = Read(buffer, kLineCapacity, window);
  if (n < 0) return rt::DeviceRead::kError;
  line.assign(buffer, static_cast<std::size_t>(n));
  Write("\r\n", 2, window, 0);  // the line end typed, which the editor does not echo
  return rt::DeviceRead::kOk;
}

void WindowConsole::disconnect(rt::UnitConnection& c, bool keep) {
  if (c.window_unit) CloseUnitWindow(c.window, keep);
}

// The words of the command line after the program's name answer the
// file-name prompts first, one word per prompt, while any are left.
bool next_command_line_word(std::string& word) {
  static int next = 1;
  while (next < __argc) {
    std::string w = __argv[next++];
    const std::size_t first = w.find_first_not_of(' ');
    const std::size_t last = w.find_last_not_of(std::string(" \0", 2));
    if (first == std::string::npos) return false;  // a blank word counts as no name
    word = w.substr(first, last - first + 1);
    return true;
  }
  return false;
}

bool WindowConsole::prompt_file_name(int unit, std::string& name) {
  if (next_command_line_word(name)) return true;
  char buffer[256] = {};
  const std::string title = "Open: Select File for Unit " + std::to_string(unit);
  for (;;) {
    buffer[0] = '\0';
    if (GetFileName(buffer, sizeof buffer, title.c_str())) {
      name = buffer;
      return true;
    }
    const int answer = MessageBoxA(
        shell_state().frame, "A File Must be Selected\r\rTerminate Program?", "File Open Error",
        MB_YESNO | MB_ICONEXCLAMATION | MB_TASKMODAL | MB_DEFBUTTON2);
    if (answer == IDYES) return false;
  }
}

bool GetFileName(char* buffer, int size, const char* title) {
  const std::string filters = filter_list(ShellText::kTextFilter);
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = shell_state().frame;
  ofn.lpstrFilter = filters.empty() ? nullptr : filters.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer;
  ofn.nMaxFile = static_cast<DWORD>(size);
  ofn.lpstrTitle = title;
  ofn.Flags = OFN_CREATEPROMPT | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  return open_file_dialog(&ofn) != 0 && buffer[0] != '\0';
}

// The GUI thread never blocks on a unit that a program thread uses: that
// thread may be waiting for a message it sent to the GUI thread (a window
// being made or activated), so the messages sent meanwhile are served.
bool serve_sent_messages_on_gui_thread() {
  if (!on_gui_thread()) return false;
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  return true;
}

void install_window_console() {
  rt::set_console_device(&g_console);
  rt::set_unit_wait_service(serve_sent_messages_on_gui_thread);
}

void complete_window_lines(int window) {
  const int d = default_window();
  rt::complete_pending_lines([&](const rt::UnitConnection& c) {
    return c.window_unit ? c.window == window : (is_console(c) && window == d);
  });
}

void complete_active_window_line() {
  complete_window_lines(wggetactive());
}

}  // namespace shell

using namespace shell;

std::int32_t GETHANDLEQQ(std::int32_t unit) {
  const std::optional<rt::UnitConnection> c = rt::device_connection(unit, true);
  if (!c) return -1;
  if (c->window_unit) return c->window;
  if (rt::is_console_kind(c->kind)) return default_window();
  return -1;
}

std::int32_t GETUNITQQ(std::int32_t window_number) {
  if (window_number == default_window()) return 0;
  const std::optional<rt::UnitConnection> c = rt::unit_for_window(window_number);
  return c ? c->unit : -1;
}

std::int32_t GETHWNDQQ(std::int32_t unit) {
  if (unit == kFramePseudoUnit) {
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(shell_state().frame));
  }
  HWND hwnd = window_of(GETHANDLEQQ(unit));
  return hwnd != nullptr ? static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(hwnd)) : -1;
}

std::int32_t FOCUSQQ(std::int32_t unit) {
  const int window = GETHANDLEQQ(unit);
  if (window == -1 || wgsetactive(window) == 0) return -1;
  return ActivateChild(window);
}

std::int32_t INQFOCUSQQ(std::int32_t& unit) {
  HWND hwnd = reinterpret_cast<HWND>(SendMessageA(shell_state().mdi_client, WM_MDIGETACTIVE, 0, 0));
  const ChildRecord* r = child_record(hwnd);
  const int window = r != nullptr && !r->kept_after_close ? window_number_of(hwnd) : kNoWindow;
  unit = window == kNoWindow ? -1 : GETUNITQQ(window);
  return unit == -1 ? -1 : 0;
}
