// The shared storage blocks of the analysis: the input, report and output
// paths with their lengths, and the file list filled by the Open dialog.
// Static storage: the paths start as NUL characters, lengths as 0.
#pragma once

#include <cstdint>

#include "runtime/fixed_text.h"

namespace bvrank {

inline constexpr int kPathLength = 100;

struct InAndOut {
  rt::FixedText<kPathLength> INNAME;    // input path, then one NUL, then blanks
  rt::FixedText<kPathLength> OUTNAME;   // report path: INNAME ending in "out"
  rt::FixedText<kPathLength> SAVENAME;  // path chosen in the Save dialog, with its NUL
};

struct InAndOutLen {
  std::int32_t INLEN;
  std::int32_t OUTLEN;
  std::int32_t SAVELEN;
};

inline constexpr int kFileListEntries = 1000;

struct Files {
  rt::FixedText<kPathLength> FILELIST[kFileListEntries + 1];  // 1-based; only entry 1 is used
  std::int32_t FILELEN[kFileListEntries + 1];
};

extern InAndOut IN_AND_OUT;
extern InAndOutLen IN_AND_OUT_LEN;
extern Files FILES;

}  // namespace bvrank
