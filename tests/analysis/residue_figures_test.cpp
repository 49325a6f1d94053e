// Per-residue figures on hand-filled tables: atom counts, z scores within
// each chain, main-chain and side-chain averages, and the number texts.
#include "analysis/residue_figures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "analysis/residue_stats.h"
#include "analysis/tables.h"

namespace {

using namespace bvrank;

struct A {
  int seq;
  const char* chain;
  const char* name;  // 4 columns, as in a PDB record
  float b;
};

std::vector<ChainFigures> analyse(const std::vector<A>& list) {
  atoms.NATOM = static_cast<int>(list.size());
  for (int k = 1; k <= atoms.NATOM; ++k) {
    const A& a = list[static_cast<std::size_t>(k - 1)];
    atoms.ATOM_RESSEQ[k] = a.seq;
    atoms.ATOM_CHAIN[k] = a.chain;
    atoms.ATOM_B[k] = a.b;
    std::memcpy(atoms.ATOM_NAME[k], a.name, 4);
    std::memcpy(atoms.ATOM_RESNAME[k], " DA", 3);
  }
  residues.RES_RANK.fill(0);
  analyse_residues();
  return chain_figures();
}

TEST(ResidueFigures, CountsMainAndSideAveragesAndZPerChain) {
  const auto chains_out = analyse({{1, "A", " N  ", 10},
                                   {1, "A", " CA ", 20},
                                   {1, "A", " CB ", 40},
                                   {2, "A", " O  ", 30},  // main chain only
                                   {3, "A", "CA  ", 50},  // calcium is named CA too
                                   {4, "A", " OXT", 5},   // side only
                                   {7, "B", " C  ", 8}});
  ASSERT_EQ(chains_out.size(), 2u);
  const ChainFigures& a = chains_out[0];
  ASSERT_EQ(a.residues.size(), 4u);
  EXPECT_EQ(a.id, "A");
  EXPECT_EQ(a.residues[0].name, "DA");
  EXPECT_EQ(a.residues[0].atoms, 3);
  EXPECT_EQ(a.residues[0].b_main, 15.0f);
  EXPECT_EQ(a.residues[0].b_side, 40.0f);
  EXPECT_EQ(a.residues[1].b_side, std::nullopt);
  EXPECT_EQ(a.residues[2].b_main, 50.0f);
  EXPECT_EQ(a.residues[3].b_main, std::nullopt);
  // Averages 70/3, 30, 50, 5: mean 27.0833, population deviation 16.0890
  // (a sample deviation, 18.578, would give 1.2335).
  EXPECT_NEAR(a.residues[2].z, 1.4243734, 1e-6);
  EXPECT_EQ(a.by_rank, (std::vector<int>{2, 1, 0, 3}));
  // A chain whose averages are all equal (here one residue) has z 0.
  EXPECT_EQ(chains_out[1].residues[0].z, 0.0);
  EXPECT_EQ(chains_out[1].number, 2);
}

TEST(ResidueFigures, DecimalTexts) {
  EXPECT_EQ(decimal_text(20.125, 2), "20.13");  // an exact tie rounds away from zero
  EXPECT_EQ(decimal_text(2.675, 2), "2.67");    // stored just below the tie
  EXPECT_EQ(decimal_text(-0.0004, 3), "0.000");
  EXPECT_EQ(decimal_text(-1.2345678, 3), "-1.235");
  EXPECT_EQ(decimal_text(123456.0, 2), "123456.00");  // no field width to overflow
}

}  // namespace
