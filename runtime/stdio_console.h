// The console device of a program without windows: records of console and
// window units go to standard output (line feeds as they come), reads come
// from standard input.
#pragma once

#include <cstdio>

#include "runtime/console_device.h"

namespace rt {

class StdioConsole : public ConsoleDevice {
 public:
  StdioConsole(std::FILE* out = stdout, std::FILE* in = stdin) : out_(out), in_(in) {}

  bool connect(UnitConnection& connection, const std::optional<std::string>& title,
               std::optional<bool> iofocus, std::string& error) override;
  bool write(const UnitConnection& connection, std::string_view bytes) override;
  DeviceRead read_line(const UnitConnection& connection, std::string& line) override;
  void disconnect(UnitConnection& connection, bool keep) override;
  bool prompt_file_name(int unit, std::string& name) override;

 private:
  std::FILE* out_;
  std::FILE* in_;
};

}  // namespace rt
