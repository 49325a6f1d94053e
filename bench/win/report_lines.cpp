// Report-like benchmark lines: a fixed pattern of fields, padded or cut to
// exactly 50 characters.
#include "bench/win/report_lines.h"

#include <cstdio>

namespace winbench {

std::vector<std::string> make_report_lines(int count) {
  static const char* const kResidues[] = {"ALA", "ARG", "ASN", "ASP", "CYS", "GLN", "GLU",
                                          "GLY", "HIS", "ILE", "LEU", "LYS", "MET", "PHE",
                                          "PRO", "SER", "THR", "TRP", "TYR", "VAL"};
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    char buffer[128];
    const int x = (i * 7919) % 100000, y = (i * 104729) % 100000, z = (i * 1299709) % 100000;
    std::snprintf(buffer, sizeof buffer, "%6d %s %c%5d %8.3f %8.3f %8.3f %5.2f", i + 1,
                  kResidues[i % 20], static_cast<char>('A' + i / 997 % 4), i % 9999 + 1,
                  (x - 50000) / 1000.0, (y - 50000) / 1000.0, (z - 50000) / 1000.0,
                  (i % 100) / 100.0);
    std::string line(buffer);
    line.resize(kReportLineLength, ' ');
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace winbench
