// Device-name classification for OPEN.
#include "runtime/device_table.h"

#include <gtest/gtest.h>

namespace {

using rt::DeviceKind;

TEST(DeviceTable, NamesExtensionsAndCaseOnWindows) {
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
  for (const Case& c : cases) EXPECT_EQ(rt::classify_file_name(c.name, true), c.kind) << c.name;
}

// Elsewhere the system's device names are ordinary files (nul.pdb gave an
// early end of file, aux.pdb "device not available"); the run-time's own
// console and window names keep their meaning.
TEST(DeviceTable, SystemDeviceNamesAreFilesElsewhere) {
  struct Case {
    const char* name;
    DeviceKind kind;
  } cases[] = {
      {"nul.pdb", DeviceKind::kFile},       {"con.pdb", DeviceKind::kFile},
      {"aux.pdb", DeviceKind::kFile},       {"prn.pdb", DeviceKind::kFile},
      {"com1.pdb", DeviceKind::kFile},      {"COM4", DeviceKind::kFile},
      {"LPT2", DeviceKind::kFile},          {"CON", DeviceKind::kFile},
      {"CONOUT$", DeviceKind::kConsoleOut}, {"conin$", DeviceKind::kConsoleIn},
      {"ERR", DeviceKind::kConsoleErr},     {"USER", DeviceKind::kWindow},
      {"LINE", DeviceKind::kAuxPort},
  };
  for (const Case& c : cases) EXPECT_EQ(rt::classify_file_name(c.name, false), c.kind) << c.name;
}

}  // namespace
