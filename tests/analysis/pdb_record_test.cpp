// Record-name tests and the atom field layout on a real record.
#include "analysis/pdb_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <sstream>

#include "support/temp_dir.h"

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

// The quick conversion reads the 80-column buffer; wherever it answers, the
// general field reader must convert the record itself without an error and
// store the same values in every field that the tables keep (the quick one
// only checks the scratch fields).
void expect_quick_agrees(const std::string& record, int& answered) {
  char line[80];
  const std::string_view held = std::string_view(record).substr(0, 80);
  std::memset(line, ' ', sizeof line);
  std::memcpy(line, held.data(), held.size());
  AtomFields quick;
  if (!read_atom_fields_quick(line, quick)) return;
  ++answered;
  AtomFields general;
  ASSERT_FALSE(read_atom_fields(held, general).failed()) << record;
  auto text = [](const AtomFields& f) {
    std::uint32_t b;
    std::memcpy(&b, &f.b, sizeof b);
    std::ostringstream out;
    out << f.serial << '|' << std::string(f.name, 4) << f.altloc << std::string(f.resname, 3)
        << f.chain << '|' << f.resseq << '|' << f.element << '|' << b;
    return out.str();
  };
  EXPECT_EQ(text(quick), text(general)) << record;
}

TEST(AtomFields, QuickConversionStoresWhatTheFieldReaderStores) {
  // Every atom record of the real entries, the first ones cut short at
  // every length, and records with number columns changed at random (so
  // that the general reader fails on many of them).
  std::mt19937 rng(5);
  const char kChanges[] = " +-.0123456789xE";
  int answered = 0;
  int cut = 0;
  for (const char* name : {"1hpv.pdb", "1tii.pdb", "3al1.pdb", "il2.pdb", "pept.pdb"}) {
    std::istringstream in(testing_support::read_file(testing_support::data_file(name)));
    std::string record;
    while (std::getline(in, record)) {
      if (!record.empty() && record.back() == '\r') record.pop_back();
      if (!is_atom_record(record + "    ") && !is_hetatm_record(record + "      ")) continue;
      expect_quick_agrees(record, answered);
      for (std::size_t n = 0; cut < 20 && n <= record.size(); ++n) {
        expect_quick_agrees(record.substr(0, n), answered);
      }
      ++cut;
      std::string changed = record;
      changed.resize(std::max<std::size_t>(changed.size(), 66), ' ');
      for (unsigned k = 1 + rng() % 2; k > 0; --k)
        changed[6 + rng() % 60] = kChanges[rng() % (sizeof kChanges - 1)];
      expect_quick_agrees(changed, answered);
    }
  }
  EXPECT_GT(answered, 10000);
}

}  // namespace
