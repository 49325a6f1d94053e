// The text both terminals of the throughput benchmark draw: lines of 50
// characters shaped like the rows of bvrank's residue report (numbers,
// residue names, chains, coordinates), the same on every run.
#pragma once

#include <string>
#include <vector>

namespace winbench {

inline constexpr int kReportLineLength = 50;

std::vector<std::string> make_report_lines(int count);

}  // namespace winbench
