// The device-name table consulted by OPEN.
#include "runtime/device_table.h"

#include <cctype>
#include <string>

namespace rt {
namespace {

struct DeviceName {
  const char* name;
  DeviceKind kind;
  bool extension_makes_file;  // "USER.TXT" is a file, "CON.TXT" is the console
  bool system_name;           // a device of the system, not of the run-time
};

constexpr DeviceName kDevices[] = {
    {"CON", DeviceKind::kConsoleOut, false, true},
    {"CONOUT$", DeviceKind::kConsoleOut, true, false},
    {"ERR", DeviceKind::kConsoleErr, true, false},
    {"CONIN$", DeviceKind::kConsoleIn, true, false},
    {"USER", DeviceKind::kWindow, true, false},
    {"NUL", DeviceKind::kNull, false, true},
    {"PRN", DeviceKind::kPrinterOrPort, false, true},
    {"COM2", DeviceKind::kPrinterOrPort, false, true},
    {"COM3", DeviceKind::kPrinterOrPort, false, true},
    {"COM4", DeviceKind::kPrinterOrPort, false, true},
    {"LPT1", DeviceKind::kPrinterOrPort, true, true},
    {"LPT2", DeviceKind::kPrinterOrPort, true, true},
    {"LPT3", DeviceKind::kPrinterOrPort, true, true},
    {"LPT4", DeviceKind::kPrinterOrPort, true, true},
    {"COM1", DeviceKind::kAuxPort, false, true},
    {"AUX", DeviceKind::kAuxPort, false, true},
    {"LINE", DeviceKind::kAuxPort, true, false},
};

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

DeviceKind classify_file_name(std::string_view name, bool windows_device_names) {
  const std::size_t dot = name.rfind('.');
  const std::string base = upper(dot == std::string_view::npos ? name : name.substr(0, dot));
  const bool has_extension = dot != std::string_view::npos && dot + 1 < name.size();
  for (const DeviceName& d : kDevices) {
    if (base != d.name) continue;
    if (d.system_name && !windows_device_names) return DeviceKind::kFile;
    if (has_extension && d.extension_makes_file) return DeviceKind::kFile;
    return d.kind;
  }
  return DeviceKind::kFile;
}

}  // namespace rt
