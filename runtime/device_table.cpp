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
};

constexpr DeviceName kDevices[] = {
    {"CON", DeviceKind::kConsoleOut, false},     {"CONOUT$", DeviceKind::kConsoleOut, true},
    {"ERR", DeviceKind::kConsoleErr, true},      {"CONIN$", DeviceKind::kConsoleIn, true},
    {"USER", DeviceKind::kWindow, true},         {"NUL", DeviceKind::kNull, false},
    {"PRN", DeviceKind::kPrinterOrPort, false},  {"COM2", DeviceKind::kPrinterOrPort, false},
    {"COM3", DeviceKind::kPrinterOrPort, false}, {"COM4", DeviceKind::kPrinterOrPort, false},
    {"LPT1", DeviceKind::kPrinterOrPort, true},  {"LPT2", DeviceKind::kPrinterOrPort, true},
    {"LPT3", DeviceKind::kPrinterOrPort, true},  {"LPT4", DeviceKind::kPrinterOrPort, true},
    {"COM1", DeviceKind::kAuxPort, false},       {"AUX", DeviceKind::kAuxPort, false},
    {"LINE", DeviceKind::kAuxPort, true},
};

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

DeviceKind classify_file_name(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  const std::string base = upper(dot == std::string_view::npos ? name : name.substr(0, dot));
  const bool has_extension = dot != std::string_view::npos && dot + 1 < name.size();
  for (const DeviceName& d : kDevices) {
    if (base != d.name) continue;
    if (has_extension && d.extension_makes_file) return DeviceKind::kFile;
    return d.kind;
  }
  return DeviceKind::kFile;
}

}  // namespace rt
