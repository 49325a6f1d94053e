// The analysis of real files through the console unit: the default
// window's text buffer holds exactly the screen lines of the report.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/child/child_record_win.h"
#include "shell_win/shell_test_support.h"

namespace {

std::string read_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out.push_back(line);
  }
  return out;
}

// Analyses a copy of tests/data/STEM.pdb and compares the window's screen
// lines, row by row, with the expected screen, whose last rows it must show.
void check_screen(const std::string& stem) {
  ASSERT_EQ(shell_test::configure_like_bvrank(), 1);
  const std::string path = shell_test::analyse_copy(stem);
  ASSERT_FALSE(path.empty());

  std::vector<std::string> expected =
      split_lines(read_text(std::string(BVRANK_TEST_DATA) + "/expected/" + stem + ".screen"));
  expected[0] = path;
  const shell::ChildRecord* r = shell_test::default_record();
  ASSERT_NE(r, nullptr);
  // Every line ends with a line feed, so the text position rests on the row
  // below the last line: the window shows the report's last rows - 1 lines
  // (all of a shorter report) from its top, and nothing below them.
  const auto rows = static_cast<std::size_t>(r->text_rows);
  const std::size_t shown = std::min(expected.size(), rows - 1);
  std::vector<std::string> want(expected.end() - static_cast<long>(shown), expected.end());
  want.resize(rows);
  EXPECT_EQ(shell_test::screen_lines(*r), want);
  std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}

TEST(AnalysisOnScreen, ReportOf1hpvFitsTheWindow) {
  check_screen("1hpv");
}

TEST(AnalysisOnScreen, LongReportOf1tiiScrollsAndKeepsItsLastLines) {
  check_screen("1tii");
}

}  // namespace
