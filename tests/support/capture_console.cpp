// Capture console and the test stop routine.
#include "support/capture_console.h"

#include "runtime/error_stop.h"
#include "runtime/units.h"

namespace testing_support {

bool CaptureConsole::connect(rt::UnitConnection& connection, const std::optional<std::string>&,
                             std::optional<bool>, std::string&) {
  if (connection.kind == rt::DeviceKind::kWindow) connection.window = 1025;
  return true;
}

bool CaptureConsole::write(const rt::UnitConnection&, std::string_view bytes) {
  if (fail_writes) return false;
  bytes_.append(bytes);
  return true;
}

rt::DeviceRead CaptureConsole::read_line(const rt::UnitConnection&, std::string& line) {
  if (input.empty()) return rt::DeviceRead::kEnd;
  line = input.front();
  input.erase(input.begin());
  return rt::DeviceRead::kOk;
}

void CaptureConsole::disconnect(rt::UnitConnection&, bool keep) {
  ++disconnects;
  last_disconnect_kept = keep;
}

bool CaptureConsole::prompt_file_name(int, std::string& name) {
  if (prompted.empty()) return false;
  name = prompted.front();
  prompted.erase(prompted.begin());
  return true;
}

std::vector<std::string> CaptureConsole::lines() const {
  std::vector<std::string> out;
  std::string current;
  for (char c : bytes_) {
    if (c == '\n') {
      out.push_back(current);
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) out.push_back(current);
  return out;
}

namespace {
[[noreturn]] void throwing_stop(const std::string& report) {
  throw StopCalled(report);
}
}  // namespace

RuntimeSandbox::RuntimeSandbox() {
  rt::finish();
  rt::set_console_device(&console);
  rt::set_stop_routine(throwing_stop);
}

RuntimeSandbox::~RuntimeSandbox() {
  rt::finish();
  rt::set_console_device(nullptr);
  rt::set_stop_routine(nullptr);
}

}  // namespace testing_support
