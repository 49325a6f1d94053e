// The ranking orders a chain with a stable sort on the averages, which gives
// exactly the ranks of a repeated strict-maximum scan (earlier residue wins
// a tie) at n log n cost; every average is positive when ranking starts.
#include "analysis/residue_stats.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <vector>

#include "analysis/tables.h"

namespace bvrank {
namespace {

void start_residue(int j, int k) {
  std::memcpy(residues.RES_NAME[j], atoms.ATOM_RESNAME[k], 3);
  residues.RES_CHAIN[j] = atoms.ATOM_CHAIN[k];
  residues.RES_SEQ[j] = atoms.ATOM_RESSEQ[k];
}

}  // namespace

void average_residues() {
  make_room_for_residues(atoms.NATOM);
  int j = 0;
  int k = 1;
  while (k <= atoms.NATOM) {
    ++j;
    start_residue(j, k);
    double sum = 0.0;
    int count = 0;
    while (k <= atoms.NATOM && atoms.ATOM_RESSEQ[k] == residues.RES_SEQ[j]) {
      sum += static_cast<double>(atoms.ATOM_B[k]);
      ++count;
      ++k;
    }
    residues.RES_NATOM[j] = count;
    residues.RES_BAVG[j] = static_cast<float>(sum / count);
  }
  residues.NRES = j;
}

void divide_chains() {
  int i = 0;
  chains.NCHAIN = 0;
  while (i < residues.NRES && room_for_chain(chains.NCHAIN + 1)) {
    const int c = ++chains.NCHAIN;
    ++i;
    chains.CHAIN_ID[c] = residues.RES_CHAIN[i];
    chains.CHAIN_FIRST[c] = i;
    while (i < residues.NRES && residues.RES_CHAIN[i + 1] == residues.RES_CHAIN[i]) ++i;
    chains.CHAIN_LAST[c] = i;
  }
}

void rank_chains() {
  std::vector<int> order;
  for (int c = 1; c <= chains.NCHAIN; ++c) {
    const int first = chains.CHAIN_FIRST[c];
    const int last = chains.CHAIN_LAST[c];
    order.resize(static_cast<std::size_t>(last - first + 1));
    std::iota(order.begin(), order.end(), first);
    std::stable_sort(order.begin(), order.end(),
                     [](int a, int b) { return residues.RES_BAVG[a] > residues.RES_BAVG[b]; });
    for (std::size_t r = 0; r < order.size(); ++r) {
      const int i = order[r];
      residues.RES_RANK[i] = static_cast<int>(r) + 1;
      residues.RES_BAVG[i] = -std::fabs(residues.RES_BAVG[i]);
    }
  }
}

}  // namespace bvrank
