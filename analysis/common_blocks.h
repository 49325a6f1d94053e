// The shared storage blocks of the analysis: the input, report and output
// paths with their lengths, and the file list filled by the Open dialog.
// Static storage: the paths start as NUL characters, lengths as 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/fixed_text.h"

namespace bvrank {

inline constexpr int kPathLength = 100;

// A path field of kPathLength characters, blank-padded on assignment like
// the other text fields; a longer path (the command-line front end takes
// paths of any length) widens the field so that it holds the path whole.
class PathField {
 public:
  std::size_t size() const { return text_.size(); }
  void assign(std::string_view text) {
    text_.assign(text);
    if (text_.size() < static_cast<std::size_t>(kPathLength)) text_.resize(kPathLength, ' ');
  }
  void fill(char c) { text_.assign(kPathLength, c); }
  std::string_view view() const { return text_; }
  const char* data() const { return text_.data(); }
  // Characters first..last, 1-based and inclusive.
  std::string_view sub(std::size_t first, std::size_t last) const {
    return view().substr(first - 1, last - first + 1);
  }
  char& at(std::size_t pos) { return text_[pos - 1]; }  // 1-based
  char at(std::size_t pos) const { return text_[pos - 1]; }

 private:
  std::string text_ = std::string(kPathLength, '\0');  // NULs until a first path is set
};

struct InAndOut {
  PathField INNAME;                     // input path, then one NUL, then blanks
  PathField OUTNAME;                    // report path: INNAME ending in "out"
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
