// The atom field layout: one fixed-column read, left to right. The residue
// number is read from all four of its columns (23-26) and the B value from
// all six (61-66): narrower fields would read residue 1001 as 1 and a B
// value of 100.76 as 0.76, which real entries have.
#include "analysis/pdb_record.h"

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

}  // namespace bvrank
