// The function-key and direction-key codes.
#include "shell/child/key_codes.h"

namespace shell {
namespace {

constexpr std::uint16_t kFunctionBase = 0xE000;
constexpr std::uint16_t kDirectionBase = 0xF000;

struct DirectionCodes {
  std::uint16_t plain;
  std::uint16_t ctrl;
};

// In NamedKey order.
constexpr DirectionCodes kDirection[] = {
    {0x49, 0x86},  // Page Up
    {0x51, 0x76},  // Page Down
    {0x4F, 0x75},  // End
    {0x47, 0x77},  // Home
    {0x4B, 0x73},  // Left
    {0x48, 0x8D},  // Up
    {0x4D, 0x74},  // Right
    {0x50, 0x91},  // Down
};

}  // namespace

std::uint16_t function_key_code(int n, bool shift, bool ctrl) {
  int code = 0;
  if (n >= 1 && n <= 10) {
    code = (ctrl ? 94 : shift ? 84 : 59) + n - 1;
  } else if (n == 11 || n == 12) {
    code = (ctrl ? 137 : shift ? 135 : 133) + n - 11;
  } else {
    return 0;
  }
  return static_cast<std::uint16_t>(kFunctionBase + code);
}

std::uint16_t direction_key_code(NamedKey key, bool ctrl) {
  const DirectionCodes& c = kDirection[static_cast<int>(key)];
  return static_cast<std::uint16_t>(kDirectionBase + (ctrl ? c.ctrl : c.plain));
}

}  // namespace shell
