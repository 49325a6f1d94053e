// Which help file the Help commands open. The environment variable TESLH_HLP
// may name it, with a missing file name taken as "TESLH" and a missing
// extension as "HLP"; otherwise "TESLH.HLP" is looked for on the search path.
// The frame supplies the existence check and the search.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shell/frame/menu_text.h"

namespace shell {

inline constexpr char kHelpFileVariable[] = "TESLH_HLP";
inline constexpr char kHelpFileName[] = "TESLH.HLP";

// The file TESLH_HLP names: its drive and directory kept, the name "TESLH"
// when it has none, the extension "HLP" when it has none (a bare trailing dot
// counts as none). Separators are '\\' and '/'; a drive ends at ':'. In
// double-byte mode the second byte of a character is never a separator.
std::string help_file_from_variable(std::string_view value,
                                    LeadBytePredicate is_lead_byte = nullptr);

using FileExists = std::function<bool(const std::string& path)>;
// The full path of a file found on the search path, if any.
using PathSearch = std::function<std::optional<std::string>(const std::string& name)>;

// The help file to use: the file TESLH_HLP names when the variable is set
// and the file exists; else "TESLH.HLP" found on the search path; else
// "TESLH.HLP" unchanged.
std::string choose_help_file(std::optional<std::string_view> variable, const FileExists& exists,
                             const PathSearch& search, LeadBytePredicate is_lead_byte = nullptr);

}  // namespace shell
