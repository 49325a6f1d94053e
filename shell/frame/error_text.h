// The texts of the shell's error boxes: the message for each error number,
// the caption for each level, and the box text with the source position of
// the shell code that found the fault.
#pragma once

#include <string>
#include <string_view>

namespace shell {

enum class ErrorLevel { kWarning, kError, kFatal };

inline constexpr int kErrorOutOfMemory = 4;
inline constexpr int kErrorUnexpected = 5;
inline constexpr int kErrorInconsistency = 6;
inline constexpr int kErrorHookFailed = 7;

// The message of `number`; number 7 names INITIALSETTINGS when
// `initial_settings_hook` is set, INITIALMENU otherwise. Numbers without a
// message (0 among them: a fatal error that shows no box) give "".
const char* error_message(int number, bool initial_settings_hook = false);

// "Tessel Warning", "Tessel Error" or "Tessel Fatal Error".
const char* error_caption(ErrorLevel level);

// `message`, then the source position: on a new line for warnings and
// errors, after a comma and a blank for fatal errors. The message is copied
// as text, never used as a format.
std::string error_box_text(std::string_view message, std::string_view file, int line, bool fatal);
std::string error_box_text(ErrorLevel level, int number, std::string_view file, int line,
                           bool initial_settings_hook = false);

}  // namespace shell
