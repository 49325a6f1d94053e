// PDB record builder for tests.
#include "support/pdb_text.h"

#include <cstdio>

namespace testing_support {

std::string atom(const AtomSpec& a) {
  char line[96];
  std::snprintf(line, sizeof line,
                "%-6s%5d %-4s%c%-3s %c%4d    %8.3f%8.3f%8.3f%6.2f%6.2f          %2s  ",
                a.record.c_str(), a.serial, a.name.c_str(), a.altloc, a.resname.c_str(), a.chain,
                a.resseq, 1.5, -2.25, 3.125, 1.0, a.b, a.element.c_str());
  return line;
}

std::string atom(int resseq, char chain, double b, const std::string& resname) {
  AtomSpec a;
  a.resseq = resseq;
  a.chain = chain;
  a.b = b;
  a.resname = resname;
  return atom(a);
}

}  // namespace testing_support
