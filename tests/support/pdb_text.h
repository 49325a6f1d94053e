// Building PDB records for tests, column by column as the format defines
// them: serial 7-11, name 13-16, altloc 17, residue name 18-20, chain 22,
// residue number 23-26, x/y/z 31-54, occupancy 55-60, B 61-66, element 77-78.
#pragma once

#include <string>

namespace testing_support {

struct AtomSpec {
  std::string record = "ATOM  ";
  int serial = 1;
  std::string name = " CA ";
  char altloc = ' ';
  std::string resname = "ALA";
  char chain = 'A';
  int resseq = 1;
  double b = 20.0;
  std::string element = " C";
};

std::string atom(const AtomSpec& a);
// An ATOM record with the given residue number, chain and B value.
std::string atom(int resseq, char chain, double b, const std::string& resname = "ALA");

}  // namespace testing_support
