// Fixed-column input conversions (Iw, Fw.d, Aw, nX) over one record.
// Blanks inside number fields are ignored, an all-blank number is zero,
// columns past the end of the record read as blanks, and a real without a
// decimal point takes its last d digits as the fraction. Anything else in a
// number field is a conversion error, which the reader remembers so that the
// caller can report it together with the record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rt {

// Converts the text of an integer field. Empty result on a conversion error
// (a character other than blanks, one leading sign and digits, or a value
// outside the 32-bit range).
std::optional<std::int32_t> parse_integer_field(std::string_view field);

// Converts the text of a real field with `decimals` implied decimals to the
// nearest 32-bit float (ties to even). Empty result on a conversion error.
std::optional<float> parse_real_field(std::string_view field, int decimals);

// Reads fields left to right from one record, like a formatted READ with an
// edit-descriptor list. After the first conversion error the remaining fields
// are left unchanged and failed() reports it.
class FieldReader {
 public:
  explicit FieldReader(std::string_view record) : record_(record) {}

  FieldReader& skip(int width);                            // nX
  FieldReader& chars(int width, char* out);                // Aw, exactly width characters
  FieldReader& integer(int width, std::int32_t& out);      // Iw
  FieldReader& real(int width, int decimals, float& out);  // Fw.d

  bool failed() const { return failed_column_ != 0; }
  int failed_column() const { return failed_column_; }  // 1-based first column of the bad field
  std::string_view record() const { return record_; }

 private:
  // The part of the next `width` columns that lies inside the record
  // (shorter, or empty, where the record has ended).
  std::string_view take(int width);

  std::string_view record_;
  int column_ = 1;
  int failed_column_ = 0;
};

}  // namespace rt
