// Services that translate between units, window numbers and system window
// handles, and move the focus to a unit's window. Declared without platform
// headers so that the program can call them.
#pragma once

#include <cstdint>

inline constexpr std::int32_t kFramePseudoUnit = static_cast<std::int32_t>(0x80000000u);

// The system window handle of a unit's window (the frame for the frame
// pseudo-unit), or -1.
std::int32_t GETHWNDQQ(std::int32_t unit);
std::int32_t GETHANDLEQQ(std::int32_t unit);
std::int32_t GETUNITQQ(std::int32_t window_number);
std::int32_t FOCUSQQ(std::int32_t unit);
std::int32_t INQFOCUSQQ(std::int32_t& unit);
