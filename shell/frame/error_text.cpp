// Error box texts. The box text is assembled piece by piece, so neither a
// long source path nor a '%' in a message can overrun or garble it.
#include "shell/frame/error_text.h"

namespace shell {

const char* error_message(int number, bool initial_settings_hook) {
  switch (number) {
    case kErrorOutOfMemory:
      return "Out of Memory";
    case kErrorUnexpected:
      return "Internal Error - unexpected error";
    case kErrorInconsistency:
      return "Possible internal inconsistency";
    case kErrorHookFailed:
      return initial_settings_hook ? "INITIALSETTINGS failed" : "INITIALMENU failed";
    default:
      return "";
  }
}

const char* error_caption(ErrorLevel level) {
  switch (level) {
    case ErrorLevel::kWarning:
      return "Tessel Warning";
    case ErrorLevel::kError:
      return "Tessel Error";
    case ErrorLevel::kFatal:
      break;
  }
  return "Tessel Fatal Error";
}

std::string error_box_text(std::string_view message, std::string_view file, int line, bool fatal) {
  std::string text(message);
  text += fatal ? ", file \"" : "\nfile \"";
  text += file;
  text += "\", line ";
  text += std::to_string(line);
  return text;
}

std::string error_box_text(ErrorLevel level, int number, std::string_view file, int line,
                           bool initial_settings_hook) {
  return error_box_text(error_message(number, initial_settings_hook), file, line,
                        level == ErrorLevel::kFatal);
}

}  // namespace shell
