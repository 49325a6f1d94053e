// One input file through the analysis that fits its kind, and what the
// front end needs of the result: the failure message, the titles and the
// figures of every chain.
#pragma once

#include <string>
#include <vector>

#include "analysis/residue_figures.h"
#include "cli/input_names.h"

namespace bvrank_cli {

struct FileResult {
  std::string file;  // as given on the command line
  bool ok = false;
  std::string message;  // why the analysis failed, as printed on standard error
  std::vector<std::string> titles;
  std::vector<bvrank::ChainFigures> chains;  // filled when asked for and ok
};

// Analyses `path` of the given kind (not kUnknown). The text report is
// written when the analysis report is on (bvrank::set_report_enabled).
FileResult analyse_input(const std::string& path, InputKind kind, bool want_figures);

}  // namespace bvrank_cli
