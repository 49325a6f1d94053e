// The console device of a program linked with the shell: console units
// write to and read from the default window, "USER" units get child windows
// of their own, and a blank file name can be asked for in a dialog.
#pragma once

#include "runtime/console_device.h"

namespace shell {

class WindowConsole : public rt::ConsoleDevice {
 public:
  bool connect(rt::UnitConnection& connection, const std::optional<std::string>& title,
               std::optional<bool> iofocus, std::string& error) override;
  bool write(const rt::UnitConnection& connection, std::string_view bytes) override;
  rt::DeviceRead read_line(const rt::UnitConnection& connection, std::string& line) override;
  void disconnect(rt::UnitConnection& connection, bool keep) override;
  bool prompt_file_name(int unit, std::string& name) override;
};

// Installs the window console as the run-time's console device.
void install_window_console();

// Completes the pending line end of the unit shown in the calling thread's
// active window (before text calls that use the text position).
void complete_active_window_line();
// The same for the units shown in window `window` (before a read from it).
void complete_window_lines(int window);

// The window a console or window unit shows its records in.
int window_for(const rt::UnitConnection& connection);

// Asks for a file name for `unit` in the Open dialog; true when one was chosen.
bool GetFileName(char* buffer, int size, const char* title);

}  // namespace shell
