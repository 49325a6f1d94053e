// Recognising the PDB records the reader understands, and converting the
// fixed columns of an atom record. Tests compare exact bytes at fixed
// columns, case-sensitive, without trimming.
#pragma once

#include <string_view>

#include "runtime/field_read.h"

namespace bvrank {

// `line` is the 80-column record buffer.
inline bool is_atom_record(std::string_view line) {
  return line.substr(0, 4) == "ATOM";
}
inline bool is_hetatm_record(std::string_view line) {
  return line.substr(0, 6) == "HETATM";
}
inline bool is_chain_break(std::string_view line) {
  return line.substr(0, 3) == "TER";
}
inline bool is_title_record(std::string_view line) {
  return line.substr(0, 5) == "TITLE";
}
// "END " with the blank, so that ENDMDL is not an end record.
inline bool is_end_record(std::string_view line) {
  return line.substr(0, 4) == "END ";
}

// The fields of one atom record as read, including the scratch values that
// nothing uses after the read: the general reader converts them, the quick
// one only checks that they are numbers and leaves them 0.
struct AtomFields {
  std::int32_t serial = 0;
  char name[4] = {' ', ' ', ' ', ' '};
  char altloc = ' ';
  char resname[3] = {' ', ' ', ' '};
  char chain = ' ';
  std::int32_t resseq = 0;
  float x = 0, y = 0, z = 0, occupancy = 0;
  float b = 0;
  char element = ' ';
};

// Converts `record` (the record's first LINELEN characters, at most 80) by
// the atom field layout. Returns the reader, whose failed() tells a
// conversion error.
rt::FieldReader read_atom_fields(std::string_view record, AtomFields& out);

// The same conversion from the 80-column record buffer (blank past the
// record's end), done at once for fields of the usual shapes; it stores every
// field that the tables keep. False when a field needs the general rules:
// read_atom_fields then gives the values or the conversion error.
bool read_atom_fields_quick(const char* line, AtomFields& out);

}  // namespace bvrank
