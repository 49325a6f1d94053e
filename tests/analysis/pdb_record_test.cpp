// Record-name tests and the atom field layout on a real record.
#include "analysis/pdb_record.h"

#include <gtest/gtest.h>

namespace {

using namespace bvrank;

TEST(RecordTests, ComparePrefixesExactly) {
  const std::string pad(74, ' ');
  EXPECT_TRUE(is_atom_record("ATOM  " + pad));
  EXPECT_TRUE(is_atom_record("ATOMS " + pad));
  EXPECT_FALSE(is_atom_record("atom  " + pad));
  EXPECT_FALSE(is_atom_record(" ATOM " + pad));
  EXPECT_TRUE(is_hetatm_record("HETATM" + pad));
  EXPECT_FALSE(is_hetatm_record("HETAT " + pad));
  EXPECT_TRUE(is_chain_break("TER   " + pad));
  EXPECT_TRUE(is_chain_break("TERMIN" + pad));
  EXPECT_TRUE(is_title_record("TITLE " + pad));
  EXPECT_TRUE(is_end_record("END   " + pad));
  EXPECT_FALSE(is_end_record("ENDMDL" + pad));
}

TEST(AtomFields, RealRecordFrom1hpv) {
  // First atom record of 1hpv.pdb (1994 format: ID code in columns 73-80).
  const std::string rec =
      "ATOM      1  N   PRO A   1      13.120  39.003   5.159  1.00 55.41      1HPV 186";
  AtomFields f;
  EXPECT_FALSE(read_atom_fields(rec, f).failed());
  EXPECT_EQ(f.serial, 1);
  EXPECT_EQ(std::string(f.name, 4), " N  ");
  EXPECT_EQ(std::string(f.resname, 3), "PRO");
  EXPECT_EQ(f.chain, 'A');
  EXPECT_EQ(f.resseq, 1);
  EXPECT_EQ(f.x, 13.12f);
  EXPECT_EQ(f.occupancy, 1.0f);
  EXPECT_EQ(f.b, 55.41f);
  EXPECT_EQ(f.element, '1');  // column 78 holds the line number here; it is stored as read
}

}  // namespace
