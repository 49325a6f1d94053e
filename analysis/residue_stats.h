// Residue averaging, chain division and ranking over the static tables:
// atoms 1..NATOM in, residues 1..NRES and chains 1..NCHAIN out.
#pragma once

namespace bvrank {

// A residue is a run of consecutive atoms with the same residue sequence
// number; its name and chain come from its first atom. The average is
// summed and divided in double precision and stored as a float.
void average_residues();

// A chain is a maximal run of residues with the same chain identifier; at
// most kChainCapacity chains are formed (unless the limits are lifted),
// later residues belong to none.
void divide_chains();

// Ranks each chain's residues by average, highest first; of equal averages
// the earlier residue ranks first. Ranked averages are stored negated.
void rank_chains();

// Runs the three steps in order.
inline void analyse_residues() {
  average_residues();
  divide_chains();
  rank_chains();
}

}  // namespace bvrank
