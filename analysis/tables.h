// The analysis tables: atoms as read, residues with their averaged B values
// and ranks, and chains as index ranges of the residue table. Static,
// parallel columns indexed from 1, reused by every analysis.
#pragma once

#include <cstdint>

namespace bvrank {

inline constexpr int kAtomCapacity = 10000;
// Every residue holds at least one atom, so a residue table as large as the
// atom table can never overflow: files with more than 5000 residues are
// analysed whole.
inline constexpr int kResidueCapacity = kAtomCapacity;
inline constexpr int kChainCapacity = 10;

struct AtomTable {
  std::int32_t NATOM;
  std::int32_t ATOM_SERIAL[kAtomCapacity + 1];
  char ATOM_NAME[kAtomCapacity + 1][4];
  char ATOM_ALTLOC[kAtomCapacity + 1];
  char ATOM_RESNAME[kAtomCapacity + 1][3];
  char ATOM_CHAIN[kAtomCapacity + 1];
  std::int32_t ATOM_RESSEQ[kAtomCapacity + 1];
  float ATOM_B[kAtomCapacity + 1];
  char ATOM_ELEMENT[kAtomCapacity + 1];
};

struct ResidueTable {
  std::int32_t NRES;
  char RES_NAME[kResidueCapacity + 1][3];
  char RES_CHAIN[kResidueCapacity + 1];
  std::int32_t RES_SEQ[kResidueCapacity + 1];
  float RES_BAVG[kResidueCapacity + 1];         // negated once the residue is ranked
  std::int32_t RES_RANK[kResidueCapacity + 1];  // 1 = highest average; 0 = not ranked
};

struct ChainTable {
  std::int32_t NCHAIN;
  char CHAIN_ID[kChainCapacity + 1];
  std::int32_t CHAIN_FIRST[kChainCapacity + 1];
  std::int32_t CHAIN_LAST[kChainCapacity + 1];
};

extern AtomTable atoms;
extern ResidueTable residues;
extern ChainTable chains;

}  // namespace bvrank
