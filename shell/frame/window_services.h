// Window configuration and size services of the program's windows and the
// frame, declared without platform headers so that the program can call them.
#pragma once

#include <cstdint>

#include "shell/frame/window_config.h"
#include "shell/frame/window_size.h"

// Configures the calling thread's active window; false when a field was
// corrected (the record then holds values the shell can meet) or on failure.
std::int32_t SETWINDOWCONFIG(shell::WindowConfig& config);
std::int32_t GETWINDOWCONFIG(shell::WindowConfig& config);

// Size and place the frame (unit 0x80000000) or a unit's window.
std::int32_t SETWSIZEQQ(std::int32_t unit, const shell::WindowSizeRecord& size);
std::int32_t GETWSIZEQQ(std::int32_t unit, std::int32_t request, shell::WindowSizeRecord& size);
