// Fixed-column output conversions (Aw, Iw, Fw.d, nX) that build one record.
// Numbers are right-justified with a leading minus when negative; a number
// that does not fit its columns is written as that many asterisks. Fw.d
// rounds the exact binary value to d decimals, ties away from zero, and
// keeps the 0 before the point of a value below 1 when there is room.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

std::string format_integer(std::int64_t value, int width);
std::string format_fixed(double value, int width, int decimals);

// Appends fields left to right to a record.
class RecordBuilder {
 public:
  RecordBuilder& text(std::string_view s) {
    record_.append(s);
    return *this;
  }
  RecordBuilder& blanks(int n) {
    record_.append(static_cast<std::size_t>(n), ' ');
    return *this;
  }
  RecordBuilder& integer(std::int64_t value, int width) {
    record_.append(format_integer(value, width));
    return *this;
  }
  RecordBuilder& fixed(double value, int width, int decimals) {
    record_.append(format_fixed(value, width, decimals));
    return *this;
  }
  const std::string& str() const { return record_; }

 private:
  std::string record_;
};

// The record of a list-directed WRITE of one text: a blank, then the text.
inline std::string list_directed_text(std::string_view s) {
  std::string out(" ");
  out.append(s);
  return out;
}

}  // namespace rt
