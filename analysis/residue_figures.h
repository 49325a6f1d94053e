// Per-residue figures of an analysis for the row formats and the profile
// picture, taken from the tables once the ranking is done: the residue's
// atom count, its average and rank, its z score within its chain, and its
// averages over main-chain and over side-chain atoms.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bvrank {

struct ResidueFigures {
  std::string name;  // residue name without surrounding blanks
  int seq = 0;
  int atoms = 0;
  float b_mean = 0;  // the residue's average, as ranked and reported
  int rank = 0;
  // (b_mean - chain mean) / population standard deviation of the chain's
  // averages; 0 when that deviation is 0.
  double z = 0;
  // Averages over the atoms named N, CA, C and O, and over the others
  // (summed in double, stored as floats like b_mean); empty without atoms.
  std::optional<float> b_main;
  std::optional<float> b_side;
};

struct ChainFigures {
  int number = 0;  // chain number as the report counts chains
  std::string id;
  std::vector<ResidueFigures> residues;  // in file order
  std::vector<int> by_rank;              // indices into `residues`, rank 1 first
};

// The figures of chains 1..NCHAIN; only ranked residues belong to a chain.
std::vector<ChainFigures> chain_figures();

// Whether an atom name (blanks around it ignored) is a main-chain name.
bool is_main_chain_atom(std::string_view atom_name);

// `value` with `places` decimals, rounded as the report rounds (ties away
// from zero, on the exact binary value), without padding; a value that
// rounds to zero is written without a minus sign.
std::string decimal_text(double value, int places);

}  // namespace bvrank
