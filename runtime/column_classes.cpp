// Column classification one column at a time, for targets without SSE2
// and as the tests' reference.
#include "runtime/column_classes.h"

namespace rt {

ColumnClasses classify_columns_bytewise(const char* p) {
  ColumnClasses c{0, 0, 0, 0};
  for (int i = 0; i < kClassifiedColumns; ++i) {
    const char ch = p[i];
    const std::uint64_t bit = std::uint64_t{1} << i;
    if (ch == ' ') {
      c.blank |= bit;
    } else if (ch == '.') {
      c.point |= bit;
    } else if (ch == '+' || ch == '-') {
      c.sign |= bit;
    } else if (ch < '0' || ch > '9') {
      c.other |= bit;
    }
  }
  return c;
}

}  // namespace rt
