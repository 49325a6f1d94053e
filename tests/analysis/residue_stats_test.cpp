// Residue averaging, chain division and ranking on hand-filled atom tables,
// and the ranking compared with the straightforward selection sort (strict
// maximum scan, earlier residue wins ties) on random data.
#include "analysis/residue_stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "analysis/tables.h"

namespace {

using namespace bvrank;

struct A {
  int seq;
  char chain;
  float b;
  const char* name = "ALA";
};

void load_atoms(const std::vector<A>& list) {
  atoms.NATOM = static_cast<int>(list.size());
  for (int k = 1; k <= atoms.NATOM; ++k) {
    const A& a = list[static_cast<std::size_t>(k - 1)];
    atoms.ATOM_RESSEQ[k] = a.seq;
    atoms.ATOM_CHAIN[k] = a.chain;
    atoms.ATOM_B[k] = a.b;
    std::memcpy(atoms.ATOM_RESNAME[k], a.name, 3);
  }
  residues.RES_RANK.fill(0);
}

TEST(Averaging, RunsOfEqualSequenceNumbers) {
  load_atoms({{5, 'A', 10}, {5, 'A', 20}, {6, 'A', 30}, {5, 'A', 40}});
  average_residues();
  ASSERT_EQ(residues.NRES, 3);  // 5, 6, 5: three residues
  EXPECT_EQ(residues.RES_BAVG[1], 15.0f);
  EXPECT_EQ(residues.RES_BAVG[2], 30.0f);
  EXPECT_EQ(residues.RES_BAVG[3], 40.0f);  // a final single-atom residue
}

TEST(Averaging, NameAndChainFromTheFirstAtom) {
  load_atoms({{10, 'A', 10, "GLY"}, {10, 'B', 20, "SER"}});
  average_residues();
  ASSERT_EQ(residues.NRES, 1);
  EXPECT_EQ(residues.RES_CHAIN[1], "A");
  EXPECT_EQ(std::string(residues.RES_NAME[1], 3), "GLY");
  EXPECT_EQ(residues.RES_BAVG[1], 15.0f);
}

TEST(Averaging, SumsInDoubleAndStoresAFloat) {
  // Three values whose float sum differs from the double sum.
  load_atoms({{1, 'A', 16777216.0f}, {1, 'A', 1.0f}, {1, 'A', 1.0f}});
  average_residues();
  EXPECT_EQ(residues.RES_BAVG[1], static_cast<float>((16777216.0 + 2.0) / 3.0));
}

TEST(Chains, RunsOfIdentifiersUpToTen) {
  load_atoms({{1, 'A', 1}, {2, 'B', 1}, {3, 'A', 1}, {4, ' ', 1}});
  average_residues();
  divide_chains();
  ASSERT_EQ(chains.NCHAIN, 4);  // A, B, A: a returning identifier starts a new chain
  EXPECT_EQ(chains.CHAIN_ID[3], "A");
  EXPECT_EQ(chains.CHAIN_FIRST[4], 4);
  EXPECT_EQ(chains.CHAIN_LAST[4], 4);  // a final chain of one residue

  std::vector<A> eleven;
  for (int c = 0; c < 11; ++c) eleven.push_back({c, static_cast<char>('A' + c), 5});
  load_atoms(eleven);
  analyse_residues();
  EXPECT_EQ(chains.NCHAIN, 10);
  EXPECT_EQ(residues.RES_RANK[11], 0);  // the 11th chain is not ranked
  EXPECT_GT(residues.RES_BAVG[11], 0.0f);
  EXPECT_EQ(residues.RES_RANK[10], 1);
}

TEST(Chains, LiftedLimitsGrowTheTablesForEveryAtomAndChain) {
  lift_table_limits(true);
  const int n = kAtomCapacity + 5000;  // one-atom residues in 12 chains named "C0".."C11"
  atoms.NATOM = 0;
  for (int k = 1; k <= n; ++k) {
    ASSERT_TRUE(room_for_another_atom());
    atoms.NATOM = k;
    atoms.ATOM_RESSEQ[k] = k;
    atoms.ATOM_CHAIN[k] = "C" + std::to_string((k - 1) * 12 / n);
    atoms.ATOM_B[k] = static_cast<float>(k % 7 + 1);
    std::memcpy(atoms.ATOM_RESNAME[k], "ALA", 3);
  }
  residues.RES_RANK.fill(0);
  analyse_residues();
  lift_table_limits(false);
  ASSERT_EQ(residues.NRES, n);
  ASSERT_EQ(chains.NCHAIN, 12);
  EXPECT_EQ(chains.CHAIN_ID[12], "C11");
  EXPECT_EQ(chains.CHAIN_LAST[12], n);
  for (int i = 1; i <= n; ++i) ASSERT_GT(residues.RES_RANK[i], 0) << i;
  EXPECT_FALSE(room_for_chain(kChainCapacity + 1));  // the limits hold again
}

TEST(Ranking, HighestFirstTiesByPositionRanksRestartPerChain) {
  load_atoms({{1, 'A', 10}, {2, 'A', 30}, {3, 'A', 10}, {4, 'A', 20}, {5, 'B', 1}, {6, 'B', 2}});
  analyse_residues();
  const int expected_rank[] = {0, 3, 1, 4, 2, 2, 1};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(residues.RES_RANK[i], expected_rank[i]) << i;
    EXPECT_LT(residues.RES_BAVG[i], 0.0f) << "ranked averages are stored negated";
  }
}

// The reference: n passes of a strict-maximum scan over positive averages.
std::vector<int> selection_sort_ranks(std::vector<float> bavg) {
  std::vector<int> rank(bavg.size(), 0);
  for (std::size_t r = 1; r <= bavg.size(); ++r) {
    float best = -9999.0f;
    std::size_t best_i = bavg.size();
    for (std::size_t i = 0; i < bavg.size(); ++i) {
      if (bavg[i] > 0.0f && bavg[i] > best) {
        best = bavg[i];
        best_i = i;
      }
    }
    rank[best_i] = static_cast<int>(r);
    bavg[best_i] = -std::fabs(bavg[best_i]);
  }
  return rank;
}

TEST(Ranking, SameRanksAsSelectionSortOnRandomData) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 200; ++trial) {
    const int n = 1 + static_cast<int>(rng() % 300);
    std::vector<A> list;
    std::vector<float> averages;
    for (int i = 0; i < n; ++i) {
      // Few distinct values, so that ties are common.
      const float b = static_cast<float>(1 + rng() % (trial % 2 == 0 ? 5 : 10000)) / 4.0f;
      list.push_back({i, 'A', b});
      averages.push_back(b);
    }
    load_atoms(list);
    analyse_residues();
    const std::vector<int> expected = selection_sort_ranks(averages);
    for (int i = 1; i <= n; ++i) {
      ASSERT_EQ(residues.RES_RANK[i], expected[static_cast<std::size_t>(i - 1)])
          << "trial " << trial;
    }
  }
}

}  // namespace
