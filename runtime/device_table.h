// Classification of the file name given to OPEN: the console and window
// device names that a program connects to the screen, the null device,
// printer and serial devices, or an ordinary disk file.
#pragma once

#include <string_view>

namespace rt {

// Values follow the run-time's device codes; kFile is an ordinary file.
enum class DeviceKind : int {
  kFile = 99,
  kConsoleIn = 0,
  kConsoleOut = 1,
  kConsoleErr = 2,
  kPrinterOrPort = -2,  // PRN, COM2-COM4, LPT1-LPT4
  kNull = -3,           // NUL
  kAuxPort = -4,        // COM1, AUX, LINE
  kWindow = -6,         // USER: a child window of its own
};

// Case-insensitive; the base name before a final "." is compared. A
// non-empty extension after CONOUT$, CONIN$, ERR, LINE, LPT1-LPT4 or USER
// makes the name an ordinary file; after the other names it is ignored.
// CON, NUL, PRN, AUX, COM1-COM4 and LPT1-LPT4 are devices only where the
// system makes them devices (`windows_device_names`); elsewhere "nul.pdb"
// or "con" is an ordinary file. The run-time's own names (CONOUT$,
// CONIN$, ERR, USER, LINE) mean the same everywhere.
DeviceKind classify_file_name(std::string_view name, bool windows_device_names);

#ifdef _WIN32
inline constexpr bool kHostHasWindowsDeviceNames = true;
#else
inline constexpr bool kHostHasWindowsDeviceNames = false;
#endif

// The classification on the platform the program runs on.
inline DeviceKind classify_file_name(std::string_view name) {
  return classify_file_name(name, kHostHasWindowsDeviceNames);
}

inline bool is_console_kind(DeviceKind k) {
  return k == DeviceKind::kConsoleIn || k == DeviceKind::kConsoleOut ||
         k == DeviceKind::kConsoleErr;
}

}  // namespace rt
