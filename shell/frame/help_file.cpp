// Help file name arithmetic.
#include "shell/frame/help_file.h"

namespace shell {

namespace {

constexpr std::string_view kDefaultName = "TESLH";
constexpr std::string_view kDefaultExtension = ".HLP";

// Length of the drive and directory part: up to and including the last
// separator or drive colon.
std::size_t directory_length(std::string_view value, LeadBytePredicate is_lead_byte) {
  std::size_t length = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const auto byte = static_cast<unsigned char>(value[i]);
    if (is_lead_byte != nullptr && is_lead_byte(byte)) {
      ++i;
      continue;
    }
    if (byte == '\\' || byte == '/' || byte == ':') length = i + 1;
  }
  return length;
}

// Position of the extension's dot in a file name, or npos.
std::size_t extension_start(std::string_view name, LeadBytePredicate is_lead_byte) {
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (is_lead_byte != nullptr && is_lead_byte(byte)) {
      ++i;
      continue;
    }
    if (byte == '.') dot = i;
  }
  return dot;
}

}  // namespace

std::string help_file_from_variable(std::string_view value, LeadBytePredicate is_lead_byte) {
  const std::size_t dir_length = directory_length(value, is_lead_byte);
  const std::string_view file = value.substr(dir_length);
  const std::size_t dot = extension_start(file, is_lead_byte);
  std::string_view name = file.substr(0, dot);
  std::string_view extension = dot == std::string_view::npos ? "" : file.substr(dot);
  if (name.empty()) name = kDefaultName;
  if (extension.size() <= 1) extension = kDefaultExtension;  // none, or a bare dot

  std::string path(value.substr(0, dir_length));
  path += name;
  path += extension;
  return path;
}

std::string choose_help_file(std::optional<std::string_view> variable, const FileExists& exists,
                             const PathSearch& search, LeadBytePredicate is_lead_byte) {
  if (variable) {
    std::string named = help_file_from_variable(*variable, is_lead_byte);
    if (exists(named)) return named;
  }
  if (std::optional<std::string> found = search(kHelpFileName)) return *found;
  return kHelpFileName;
}

}  // namespace shell
