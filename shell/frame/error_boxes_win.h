// The shell's own failure reports: task-modal boxes owned by the frame,
// with the message and the source position of the shell code that found
// the fault. A fatal error ends the process with exit code -1.
#pragma once

#include "shell/frame/error_text.h"

namespace shell {

void warning_box(int number, const char* file, int line);
void error_box(int number, const char* file, int line, bool initial_settings_hook = false);
// Shows the box (none for number 0), puts back the minimal menu bar, runs
// the shell's termination and ends the process with exit code -1.
[[noreturn]] void fatal_box(int number, const char* file, int line);

}  // namespace shell
