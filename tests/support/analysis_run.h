// Runs the analysis on PDB text written to a temporary file and collects
// what it produced: status, screen lines, report file, graphics calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/capture_console.h"
#include "support/temp_dir.h"

namespace testing_support {

struct AnalysisRun {
  std::int32_t status = 99;
  std::string input_path;
  std::string report_path;
  std::vector<std::string> screen;
  std::string report;  // the report file's bytes ("" when absent)
  bool report_exists = false;
};

class AnalysisFixture {
 public:
  // Writes `pdb_text` as NAME in the temporary directory and analyses it.
  AnalysisRun run(const std::string& pdb_text, const std::string& name = "test.pdb");
  // Analyses an existing file.
  AnalysisRun run_path(const std::string& path);

  RuntimeSandbox sandbox;
  TempDir dir;
};

// Joins lines with "\n" after each, for building file contents.
std::string lines(const std::vector<std::string>& records);

}  // namespace testing_support
