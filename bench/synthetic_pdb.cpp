// Builds the synthetic file column by column (serial 7-11, name 13-16,
// residue 18-20, chain 22, residue number 23-26, x/y/z 31-54, occupancy
// 55-60, B 61-66, element 77-78), ten atoms to a residue.
#include "bench/synthetic_pdb.h"

#include <cstdint>
#include <cstdio>

namespace bench_support {

std::string synthetic_pdb(int atom_count) {
  static const char* const kNames[] = {" N  ", " CA ", " C  ", " O  ", " CB ",
                                       " CG ", " CD ", " NE ", " CZ ", " OH "};
  static const char* const kResidues[] = {"ALA", "ARG", "GLY", "LEU", "SER", "TYR", "TRP"};
  constexpr int kChains = 4;
  constexpr int kAtomsPerResidue = 10;
  const int per_chain = (atom_count + kChains - 1) / kChains;

  std::uint32_t seed = 12345;  // a fixed LCG: the same file on every run
  auto next = [&seed](int range) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(range));
  };

  std::string text = "TITLE     SYNTHETIC BENCHMARK STRUCTURE\n";
  char line[96];
  int serial = 0;  // atoms and TER records share the numbering
  int atoms = 0;
  for (int c = 0; c < kChains && atoms < atom_count; ++c) {
    const char chain = static_cast<char>('A' + c);
    int residue = 0;
    const char* resname = kResidues[0];
    for (int i = 0; i < per_chain && atoms < atom_count; ++i, ++atoms) {
      if (i % kAtomsPerResidue == 0) {
        ++residue;
        resname = kResidues[next(7)];
      }
      ++serial;
      const char* name = kNames[i % kAtomsPerResidue];
      std::snprintf(line, sizeof line,
                    "ATOM  %5d %-4s %-3s %c%4d    %8.3f%8.3f%8.3f%6.2f%6.2f          %2c  \n",
                    serial, name, resname, chain, residue, next(200000) / 1000.0 - 100.0,
                    next(200000) / 1000.0 - 100.0, next(200000) / 1000.0 - 100.0, 1.0,
                    5.0 + next(9000) / 100.0, name[1]);
      text += line;
    }
    std::snprintf(line, sizeof line, "TER   %5d      %-3s %c%4d\n", ++serial, resname, chain,
                  residue);
    text += line;
  }
  text += "END\n";
  return text;
}

}  // namespace bench_support
