// Correctly rounded conversion of a decimal significand and power of ten to
// a 32-bit float, independent of the C library and its locale, so that the
// native and the Windows builds read every number field to the same bits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace rt {

// The float nearest to (negative ? -1 : 1) * digits * 10^exponent10, ties to
// even. `sticky` says that nonzero digits were dropped after `digits` (it
// only matters for a value that lies exactly halfway between two floats).
// Empty when the value exceeds the float range.
std::optional<float> decimal_to_float(std::uint64_t digits, int exponent10, bool sticky,
                                      bool negative);

// The same for a significand too long for 64 bits: `digits` holds at most
// kMaxExactDigits decimal digits ('0'-'9'), the first of them nonzero.
std::optional<float> decimal_to_float(std::string_view digits, int exponent10, bool sticky,
                                      bool negative);

// Every value halfway between two floats has at most 113 significant
// digits, so a reader that keeps this many and sets `sticky` for nonzero
// digits beyond them still rounds every decimal correctly.
inline constexpr int kMaxExactDigits = 120;

}  // namespace rt
