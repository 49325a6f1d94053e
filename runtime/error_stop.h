// The run-time's error stop: an input/output failure that the program gave
// no error branch for is reported, and the program is ended through the one
// stop routine that the host registered (the windowed shell ends with its
// end-of-program sequence, the command-line front end with exit status 2).
#pragma once

#include <string>

namespace rt {

// Shows or prints the report and ends the program; must not return.
using StopRoutine = void (*)(const std::string& report);

// Registers the host's stop routine; returns the previous one.
StopRoutine set_stop_routine(StopRoutine routine);

// Reports `report` through the registered routine. Without one, the report
// goes to standard error and the process exits with status 1.
[[noreturn]] void error_stop(const std::string& report);

}  // namespace rt
