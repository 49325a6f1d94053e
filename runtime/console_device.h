// The screen side of the run-time: where records of console and window
// units go and where their reads come from. The windowed shell implements it
// with child windows, the command-line front end with standard output, and
// tests with a fake.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/device_table.h"

namespace rt {

// What the run-time keeps per unit for the device.
struct UnitConnection {
  int unit = 0;  // -1 for output or input without a unit (WRITE(*), READ(*))
  DeviceKind kind = DeviceKind::kConsoleOut;
  std::string file;               // the file name as opened
  int window = -1;                // window number of a window unit
  bool window_unit = false;       // connected to the window device ("USER")
  bool iofocus = false;           // make the window active before every record
  bool line_end_pending = false;  // the line feed ending the last record is still owed
};

enum class DeviceRead { kOk, kEnd, kError };

class ConsoleDevice {
 public:
  virtual ~ConsoleDevice() = default;

  // OPEN of a unit on a console or window device, with the TITLE= and
  // IOFOCUS= values given. Sets connection.window for a window unit; false
  // fails the OPEN, with a reason in `error`.
  virtual bool connect(UnitConnection& connection, const std::optional<std::string>& title,
                       std::optional<bool> iofocus, std::string& error) = 0;

  // Bytes of an output record, or the single line feed that completes the
  // previous one. False when not all bytes were taken.
  virtual bool write(const UnitConnection& connection, std::string_view bytes) = 0;

  // One input line, without its line end.
  virtual DeviceRead read_line(const UnitConnection& connection, std::string& line) = 0;

  // CLOSE of a console or window unit; `keep` keeps a window's contents.
  virtual void disconnect(UnitConnection& connection, bool keep) = 0;

  // Asks the user for a file name for `unit` (an OPEN with the prompt
  // request met a blank name). False when none was given.
  virtual bool prompt_file_name(int unit, std::string& name) = 0;
};

// Installs the device; the run-time does not own it. Null restores the
// built-in device, which uses standard input and output.
void set_console_device(ConsoleDevice* device);
ConsoleDevice& console_device();

}  // namespace rt
