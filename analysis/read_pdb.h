// READ_PDB: reads the PDB file named by INNAME, fills the atom table,
// analyses it and writes the report to the screen and to the report file
// OUTNAME. The status tells how it ended.
#pragma once

#include <cstdint>

#include "runtime/fixed_text.h"

namespace bvrank {

enum Status : std::int32_t {
  kStatusDone = 1,
  kStatusNotFound = 0,
  kStatusNoAtoms = -1,  // "END " before any "ATOM" record
  kStatusZeroB = -2,    // an accepted atom has B <= 0
  kStatusReadError = -3,
  kStatusEarlyEnd = -4,  // the file ended inside the header or the atom block
};

inline constexpr int kInputUnit = 1;

// The record buffer: the current record, blank-padded or cut to 80
// columns, and its length in the file.
struct RecordBuffer {
  rt::FixedText<80> LINE;
  std::int32_t LINELEN;
};
extern RecordBuffer record_buffer;

void READ_PDB(std::int32_t& ISTATUS);

}  // namespace bvrank
