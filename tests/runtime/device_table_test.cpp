// Device-name classification for OPEN.
#include "runtime/device_table.h"

#include <gtest/gtest.h>

namespace {

using rt::DeviceKind;

TEST(DeviceTable, NamesExtensionsAndCase) {
  struct Case {
    const char* name;
    DeviceKind kind;
  } cases[] = {
      {"CON", DeviceKind::kConsoleOut},     {"con", DeviceKind::kConsoleOut},
      {"CON.txt", DeviceKind::kConsoleOut}, {"CONOUT$", DeviceKind::kConsoleOut},
      {"CONOUT$.txt", DeviceKind::kFile},   {"conin$", DeviceKind::kConsoleIn},
      {"ERR", DeviceKind::kConsoleErr},     {"ERR.log", DeviceKind::kFile},
      {"User", DeviceKind::kWindow},        {"USER.", DeviceKind::kWindow},
      {"USER.DAT", DeviceKind::kFile},      {"NUL", DeviceKind::kNull},
      {"nul.x", DeviceKind::kNull},         {"PRN", DeviceKind::kPrinterOrPort},
      {"LPT3", DeviceKind::kPrinterOrPort}, {"LPT3.x", DeviceKind::kFile},
      {"COM1", DeviceKind::kAuxPort},       {"COM2", DeviceKind::kPrinterOrPort},
      {"AUX", DeviceKind::kAuxPort},        {"LINE", DeviceKind::kAuxPort},
      {"report.out", DeviceKind::kFile},    {"C:\\data\\CON", DeviceKind::kFile},
  };
  for (const Case& c : cases) EXPECT_EQ(rt::classify_file_name(c.name), c.kind) << c.name;
}

}  // namespace
