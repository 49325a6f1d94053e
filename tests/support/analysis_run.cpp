// Analysis runner for tests.
#include "support/analysis_run.h"

#include <gtest/gtest.h>

#include "analysis/common_blocks.h"
#include "analysis/input_file.h"
#include "analysis/read_pdb.h"
#include "runtime/units.h"

namespace testing_support {

AnalysisRun AnalysisFixture::run(const std::string& pdb_text, const std::string& name) {
  return run_path(dir.write(name, pdb_text));
}

AnalysisRun AnalysisFixture::run_path(const std::string& path) {
  AnalysisRun r;
  sandbox.console.clear();
  // A path the analysis refuses (over 100 characters) would make every
  // later expectation fail for a reason that is not theirs.
  EXPECT_TRUE(bvrank::set_input_name(path))
      << "the analysis takes paths of at most 100 characters: " << path << " (" << path.size()
      << ")";
  r.input_path = path;
  r.report_path = rt::file_name_text(bvrank::IN_AND_OUT.OUTNAME.view());
  bvrank::READ_PDB(r.status);
  rt::finish();
  r.screen = sandbox.console.lines();
  r.report_exists = file_exists(r.report_path);
  r.report = r.report_exists ? read_file(r.report_path) : "";
  return r;
}

std::string lines(const std::vector<std::string>& records) {
  std::string out;
  for (const auto& r : records) out += r + "\n";
  return out;
}

}  // namespace testing_support
