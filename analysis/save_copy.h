// The copy step of the Save command: the report file is copied line by line
// into the file the user chose, then deleted.
#pragma once

#include <string_view>

namespace bvrank {

inline constexpr int kOutputUnit = 3;

enum class SaveResult {
  kSaved,        // copied into SAVENAME; the report file is deleted
  kNoReport,     // no report file of this program exists: nothing written
  kPathTooLong,  // the chosen path does not fit SAVENAME: nothing written
  kSameFile,     // the chosen file is the report file itself: nothing written
};

// Sets SAVENAME/SAVELEN from `chosen_path` and copies the report file
// OUTNAME into it, replacing an existing file of that name. Every line is
// carried whole, however long. Input/output failures stop the program.
SaveResult copy_report_to(std::string_view chosen_path);

}  // namespace bvrank
