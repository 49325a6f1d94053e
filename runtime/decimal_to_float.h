// Correctly rounded conversion of a decimal significand and power of ten to
// a 32-bit float, independent of the C library and its locale, so that the
// native and the Windows builds read every number field to the same bits.
#pragma once

#include <cstdint>
#include <optional>

namespace rt {

// The float nearest to (negative ? -1 : 1) * digits * 10^exponent10, ties to
// even. `sticky` says that nonzero digits were dropped after `digits` (it
// only matters for a value that lies exactly halfway between two floats).
// Empty when the value exceeds the float range.
std::optional<float> decimal_to_float(std::uint64_t digits, int exponent10, bool sticky,
                                      bool negative);

}  // namespace rt
