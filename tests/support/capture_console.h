// A console device for tests: records the bytes written to console and
// window units and turns them into screen lines the way a terminal would
// (a line feed ends a line). Also a stop routine that throws, so a test can
// observe a run-time error stop.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/console_device.h"

namespace testing_support {

class CaptureConsole : public rt::ConsoleDevice {
 public:
  bool connect(rt::UnitConnection& connection, const std::optional<std::string>& title,
               std::optional<bool> iofocus, std::string& error) override;
  bool write(const rt::UnitConnection& connection, std::string_view bytes) override;
  rt::DeviceRead read_line(const rt::UnitConnection& connection, std::string& line) override;
  void disconnect(rt::UnitConnection& connection, bool keep) override;
  bool prompt_file_name(int unit, std::string& name) override;

  // Everything written so far as lines; the last, unfinished line included
  // when it is not empty.
  std::vector<std::string> lines() const;
  const std::string& bytes() const { return bytes_; }
  void clear() { bytes_.clear(); }

  std::vector<std::string> input;     // lines served to reads, front first
  std::vector<std::string> prompted;  // names served to the file-name prompt
  int disconnects = 0;
  bool last_disconnect_kept = false;
  bool fail_writes = false;

 private:
  std::string bytes_;
};

struct StopCalled : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Installs the capture console and a throwing stop routine for the
// lifetime of the object, and closes every unit at the end.
class RuntimeSandbox {
 public:
  RuntimeSandbox();
  ~RuntimeSandbox();
  CaptureConsole console;
};

}  // namespace testing_support
