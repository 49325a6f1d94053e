// Helpers for the shell's in-process tests: the default window's record and
// its text buffer as screen lines, and the frame and window handles.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace shell {
struct ChildRecord;
}

namespace shell_test {

// SETWSIZEQQ for unit 0 made from INITIALSETTINGS.
extern std::int32_t g_child_size_during_settings;

shell::ChildRecord* default_record();
// The text buffer of `r` as screen lines, rows 1 to its text rows; cells
// never written read as blanks, trailing blanks cut.
std::vector<std::string> screen_lines(const shell::ChildRecord& r);
std::string window_title(HWND hwnd);
// Configures the active window as bvrank does: 695 x 895 pixels, the rest
// chosen by the shell; the result of the first SETWINDOWCONFIG.
std::int32_t configure_like_bvrank();
// Analyses a copy of tests/data/STEM.pdb as bvrank does, writing its report
// to the console unit; the copy's path, or empty when the analysis failed.
std::string analyse_copy(const std::string& stem);
// Polls `done` until it holds or `limit` has passed; the last result. For
// states that the window's thread reaches in its own time.
bool wait_until(const std::function<bool()>& done,
                std::chrono::milliseconds limit = std::chrono::seconds(5));
// A read of at most `length` bytes from window 1024: what it delivered, or
// "<-1>" for a failed read.
std::string read_line(int length);
// The state word and the message the status bar shows.
std::string status_word();
std::string status_message();

}  // namespace shell_test
