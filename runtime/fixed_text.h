// Fixed-length, blank-padded text fields, the storage form of every text
// variable of the analysis (paths, record buffer, table columns). Assigning a
// shorter text fills the rest with blanks; a longer one is cut.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace rt {

// Copies `text` into the field of `size` bytes at `field`, blank-filling the rest.
inline void assign_blank_padded(char* field, std::size_t size, std::string_view text) {
  const std::size_t n = std::min(size, text.size());
  std::memcpy(field, text.data(), n);
  std::memset(field + n, ' ', size - n);
}

// A field of N characters with value semantics, blank-padded on assignment.
template <std::size_t N>
struct FixedText {
  char chars[N];

  static constexpr std::size_t size() { return N; }
  void assign(std::string_view text) {
    // A text that fills the field is copied with a size known here, which
    // compiles to a few wide moves instead of a general copy loop.
    if (text.size() >= N) {
      std::memcpy(chars, text.data(), N);
    } else {
      assign_blank_padded(chars, N, text);
    }
  }
  void fill(char c) { std::memset(chars, c, N); }
  std::string_view view() const { return std::string_view(chars, N); }
  // Characters first..last, 1-based and inclusive, as in the analysis' substrings.
  std::string_view sub(std::size_t first, std::size_t last) const {
    return std::string_view(chars + first - 1, last - first + 1);
  }
  char& at(std::size_t pos) { return chars[pos - 1]; }  // 1-based
  char at(std::size_t pos) const { return chars[pos - 1]; }
  bool operator==(std::string_view text) const { return view() == text; }
};

// The text with trailing blanks and NUL characters removed, as the run-time
// treats file names.
inline std::string_view trim_trailing_blanks_and_nuls(std::string_view text) {
  std::size_t n = text.size();
  while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\0')) --n;
  return text.substr(0, n);
}

inline std::string_view trim_trailing_blanks(std::string_view text) {
  std::size_t n = text.size();
  while (n > 0 && text[n - 1] == ' ') --n;
  return text.substr(0, n);
}

}  // namespace rt
