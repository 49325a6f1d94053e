// The mmCIF atom reader on small inline files shaped like the atom_site and
// entity tables of wwPDB entries: which rows become atoms, how their fields
// are read, and every way a file is refused.
#include "analysis/mmcif_atoms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/read_pdb.h"
#include "analysis/report.h"
#include "analysis/tables.h"

namespace {

using namespace bvrank;

const char* kEntities = "loop_\n_entity.id\n_entity.type\n1 polymer\n2 non-polymer\n3 water\n";
const char* kColumns =
    "loop_\n_atom_site.id\n_atom_site.label_entity_id\n_atom_site.label_comp_id\n"
    "_atom_site.auth_atom_id\n_atom_site.auth_asym_id\n_atom_site.auth_seq_id\n"
    "_atom_site.B_iso_or_equiv\n_atom_site.pdbx_PDB_model_num\n";

std::string file_of(const std::vector<std::string>& rows, const std::string& head = kEntities) {
  std::string text = "data_test\n" + head + kColumns;
  for (const std::string& r : rows) text += r + "\n";
  return text;
}

std::int32_t read(const std::string& text, std::string* detail_out = nullptr) {
  std::string detail;
  const std::int32_t status = read_mmcif_atoms(text, "test.cif", detail);
  if (detail_out) *detail_out = detail;
  return status;
}

TEST(MmcifAtoms, PolymerAtomsOfTheFirstModelInFileOrder) {
  const std::string text = "data_t\n_struct.title\n;A TWO-LINE\n   TITLE\n;\n" +
                           std::string(kEntities) + kColumns +
                           "1 1 DA  P    AB1 -3 31 1\n"
                           "2 2 HEM FE   AB1 500 15.2 1\n"  // a ligand between polymer atoms
                           "3 1 DA  \"C1'\" AB1 -3 20.5(3) 1\n"
                           "4 3 HOH O    AB1 600 9.99 1\n"
                           "5 1 GLY CA   X 1 0.125 1\n"
                           "6 1 GLY CA   X 1 99 2\n";  // the second model
  ASSERT_EQ(read(text), kStatusDone);
  ASSERT_EQ(atoms.NATOM, 3);
  EXPECT_EQ(atoms.ATOM_CHAIN[1], "AB1");  // kept whole
  EXPECT_EQ(atoms.ATOM_RESSEQ[1], -3);
  EXPECT_EQ(std::string(atoms.ATOM_RESNAME[1], 3), " DA");
  EXPECT_EQ(atoms.ATOM_B[1], 31.0f);  // no decimal point: a whole number
  EXPECT_EQ(std::string(atoms.ATOM_NAME[2], 4), "C1' ");
  EXPECT_EQ(atoms.ATOM_B[2], 20.5f);  // the standard uncertainty is dropped
  EXPECT_EQ(atoms.ATOM_SERIAL[3], 5);
  EXPECT_EQ(atoms.ATOM_B[3], 0.125f);
  EXPECT_EQ(titles(), std::vector<std::string>{"A TWO-LINE TITLE"});
}

TEST(MmcifAtoms, RefusedFilesSayWhy) {
  struct Case {
    std::string text;
    std::int32_t status;
    std::string detail;
  };
  const std::vector<Case> cases = {
      {"", kStatusReadError, "empty file"},
      {"data_x\n_cell.length_a 1\n_atom_sites.entry_id x\n", kStatusReadError,
       "no _atom_site table"},
      {"data_x\n" + std::string(kEntities) + "_atom_site.auth_asym_id A\n", kStatusReadError,
       "has no auth_seq_id"},
      {file_of({"1 1 GLY CA A 1 10 1"}, ""), kStatusReadError, "no _entity table"},
      {file_of({"1 1 GLY CA A 1 1O.5 1"}), kStatusReadError,
       "atom 1: unreadable B value (B_iso_or_equiv) \"1O.5\""},
      {file_of({"1 1 GLY CA A 1 ? 1"}), kStatusReadError, "unreadable B value"},
      {file_of({"1 1 GLY CA A 1 1e2 1"}), kStatusReadError, "unreadable B value"},
      {file_of({"1 1 GLY CA A 1A 10 1"}), kStatusReadError, "unreadable residue number"},
      {file_of({"1 1 ABCDE CA A 1 10 1"}), kStatusReadError, "longer than 3 characters"},
      {file_of({"1 1 GLY CA A 1 10 1", "2 1 GLY C A 1 0.00 1"}), kStatusZeroB,
       "atom 2 has a B value of 0 or less"},
      {file_of({"1 3 HOH O A 1 10 1"}), kStatusNoAtoms, "no atom of a polymer entity"},
      {file_of({"1 1 GLY CA A 1 10"}), kStatusReadError, "test.cif:"},  // a short loop row
  };
  for (const Case& c : cases) {
    std::string detail;
    EXPECT_EQ(read(c.text, &detail), c.status) << c.text;
    EXPECT_NE(detail.find(c.detail), std::string::npos) << detail;
  }
}

TEST(MmcifAtoms, AtomLimitUnlessLifted) {
  std::vector<std::string> rows;
  for (int i = 1; i <= kAtomCapacity + 1; ++i) {
    rows.push_back(std::to_string(i) + " 1 GLY CA A " + std::to_string(i) + " 10 1");
  }
  const std::string text = file_of(rows);
  ASSERT_EQ(read(text), kStatusDone);
  EXPECT_EQ(atoms.NATOM, kAtomCapacity);
  lift_table_limits(true);
  const std::int32_t lifted = read(text);
  lift_table_limits(false);
  ASSERT_EQ(lifted, kStatusDone);
  EXPECT_EQ(atoms.NATOM, kAtomCapacity + 1);
}

}  // namespace
