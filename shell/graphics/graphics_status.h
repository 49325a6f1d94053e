// The graphics status: one process-wide 16-bit value that graphics, text
// and window calls set and GRSTATUS reads.
#pragma once

#include <cstdint>

namespace shell {

inline constexpr std::int16_t kStatusOk = 0;
inline constexpr std::int16_t kStatusError = -1;
inline constexpr std::int16_t kStatusNothingDrawn = 1;
inline constexpr std::int16_t kStatusAltered = 3;
inline constexpr std::int16_t kStatusInvalidParameter = -4;

void set_graphics_status(std::int16_t status);
std::int16_t graphics_status();

}  // namespace shell

std::int16_t GRSTATUS();
