// Standard streams as the console device, and the installed-device switch.
#include "runtime/stdio_console.h"

#include <atomic>

namespace rt {

bool StdioConsole::connect(UnitConnection&, const std::optional<std::string>&, std::optional<bool>,
                           std::string&) {
  return true;
}

bool StdioConsole::write(const UnitConnection&, std::string_view bytes) {
  if (bytes.empty()) return true;
  return std::fwrite(bytes.data(), 1, bytes.size(), out_) == bytes.size();
}

DeviceRead StdioConsole::read_line(const UnitConnection&, std::string& line) {
  std::fflush(out_);
  line.clear();
  for (;;) {
    const int c = std::fgetc(in_);
    if (c == EOF) {
      if (std::ferror(in_)) return DeviceRead::kError;
      return line.empty() ? DeviceRead::kEnd : DeviceRead::kOk;
    }
    if (c == '\n') break;
    line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return DeviceRead::kOk;
}

void StdioConsole::disconnect(UnitConnection&, bool) {
  std::fflush(out_);
}

bool StdioConsole::prompt_file_name(int, std::string&) {
  return false;
}

namespace {
StdioConsole g_builtin;
std::atomic<ConsoleDevice*> g_device{nullptr};
}  // namespace

void set_console_device(ConsoleDevice* device) {
  g_device.store(device);
}

ConsoleDevice& console_device() {
  ConsoleDevice* d = g_device.load();
  return d != nullptr ? *d : g_builtin;
}

}  // namespace rt
