// The atom field layout: one fixed-column read, left to right. The residue
// number is read from all four of its columns (23-26) and the B value from
// all six (61-66): narrower fields would read residue 1001 as 1 and a B
// value of 100.76 as 0.76, which real entries have.
#include "analysis/pdb_record.h"

#include <cstring>

#include "runtime/column_classes.h"

namespace bvrank {

rt::FieldReader read_atom_fields(std::string_view record, AtomFields& out) {
  rt::FieldReader r(record);
  r.skip(6)                    // 1-6 record name
      .integer(5, out.serial)  // 7-11
      .skip(1)
      .chars(4, out.name)     // 13-16
      .chars(1, &out.altloc)  // 17
      .chars(3, out.resname)  // 18-20
      .skip(1)
      .chars(1, &out.chain)    // 22
      .integer(4, out.resseq)  // 23-26
      .skip(1)
      .real(11, 3, out.x)  // 28-38
      .skip(1)
      .real(7, 3, out.y)  // 40-46
      .skip(1)
      .real(7, 3, out.z)  // 48-54
      .skip(1)
      .real(5, 2, out.occupancy)  // 56-60
      .real(6, 2, out.b)          // 61-66
      .skip(11)
      .chars(1, &out.element);  // 78
  return r;
}

// Columns 17-64 are classified: the copy into the record buffer wrote them
// as three of its 16-column blocks.
constexpr int kFirstClassified = 17;
constexpr int at(int column) {
  return column - kFirstClassified;
}

// x, y, z and the occupancy, whose values nothing reads: they are only
// checked. The columns after them (39, 47, 55 and 61) are their guards.
constexpr rt::FieldSet kCheckedFields = rt::with_field(
    rt::with_field(rt::with_field(rt::with_field(rt::FieldSet{}, at(28), 11), at(40), 7), at(48),
                   7),
    at(56), 5);
static_assert((kCheckedFields.guards & kCheckedFields.columns) == 0, "a guard inside a field");

bool read_atom_fields_quick(const char* line, AtomFields& out) {
  std::memcpy(out.name, line + 12, 4);
  out.altloc = line[16];
  std::memcpy(out.resname, line + 17, 3);
  out.chain = line[21];
  out.element = line[77];
  const rt::ColumnClasses c = rt::classify_columns(line + kFirstClassified - 1);
  return rt::quick_integer_field(line + 6, 5, out.serial) &&
         rt::quick_integer_field(line + 22, 4, out.resseq) &&
         rt::are_real_field_texts(c, kCheckedFields) &&
         rt::quick_real_field(line + 60, 6, 2, out.b);
}

}  // namespace bvrank
