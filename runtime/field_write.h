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

// The same fields written into the `width` characters at `out`.
void put_integer(char* out, std::int64_t value, int width);
void put_fixed(char* out, double value, int width, int decimals);
// put_fixed by exact integer arithmetic alone; put_fixed takes a quicker
// exact route for values that a float holds.
void put_fixed_exact(char* out, double value, int width, int decimals);

// Appends fields left to right to a record: its own, or the end of a
// caller's text (which may hold many records).
class RecordBuilder {
 public:
  RecordBuilder() : record_(&own_) { own_.reserve(kUsualLength); }
  explicit RecordBuilder(std::string& out) : record_(&out) {}
  RecordBuilder(const RecordBuilder&) = delete;
  RecordBuilder& operator=(const RecordBuilder&) = delete;
  RecordBuilder& text(std::string_view s) {
    record_->append(s);
    return *this;
  }
  RecordBuilder& blanks(int n) {
    record_->append(static_cast<std::size_t>(n), ' ');
    return *this;
  }
  RecordBuilder& integer(std::int64_t value, int width) {
    put_integer(extend(width), value, width);
    return *this;
  }
  RecordBuilder& fixed(double value, int width, int decimals) {
    put_fixed(extend(width), value, width, decimals);
    return *this;
  }
  const std::string& str() const { return *record_; }

 private:
  // Appends `width` columns and returns where they start.
  char* extend(int width) {
    const std::size_t at = record_->size();
    record_->resize(at + static_cast<std::size_t>(width));
    return &(*record_)[at];
  }

  static constexpr std::size_t kUsualLength = 80;
  std::string own_;
  std::string* record_;
};

// The record of a list-directed WRITE of one text: a blank, then the text.
inline std::string list_directed_text(std::string_view s) {
  std::string out(" ");
  out.append(s);
  return out;
}

}  // namespace rt
