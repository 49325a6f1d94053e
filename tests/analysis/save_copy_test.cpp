// The Save command's copy: an exact line-by-line copy, long lines whole,
// the report deleted afterwards, and nothing overwritten when there is no
// report to copy.
#include "analysis/save_copy.h"

#include <gtest/gtest.h>

#include "analysis/common_blocks.h"
#include "analysis/read_pdb.h"
#include "support/analysis_run.h"
#include "support/pdb_text.h"

namespace {

using namespace bvrank;
using testing_support::atom;
using testing_support::lines;
using testing_support::read_file;

class SaveCopyTest : public ::testing::Test, public testing_support::AnalysisFixture {};

TEST_F(SaveCopyTest, CopiesEveryLineAndDeletesTheReport) {
  std::string text = "TITLE     " + std::string(70, 'T') + "\n";  // an 81-character title line
  for (int i = 1; i <= 30; ++i) text += atom(i, 'A', i) + "\n";
  const auto r = run(text + "END\n");
  ASSERT_EQ(r.status, kStatusDone);
  const std::string saved = dir.file("saved.txt");
  dir.write("saved.txt", "an older file that is replaced");
  EXPECT_EQ(copy_report_to(saved), SaveResult::kSaved);
  EXPECT_EQ(read_file(saved), r.report);
  EXPECT_NE(r.report.find(std::string(70, 'T') + "\r\n"), std::string::npos);
  EXPECT_FALSE(testing_support::file_exists(r.report_path));
  EXPECT_EQ(IN_AND_OUT_LEN.SAVELEN, static_cast<int>(saved.size()) + 1);
  EXPECT_EQ(IN_AND_OUT.SAVENAME.at(saved.size() + 1), '\0');

  // A second Save has no report to copy and leaves the chosen file alone.
  const std::string other = dir.write("other.txt", "precious");
  EXPECT_EQ(copy_report_to(other), SaveResult::kNoReport);
  EXPECT_EQ(read_file(other), "precious");
}

TEST_F(SaveCopyTest, EarlyEndStillSavesPathAndTitle) {
  const auto r = run(lines({"TITLE     T", atom(1, 'A', 1.0)}));
  ASSERT_EQ(r.status, kStatusEarlyEnd);
  EXPECT_EQ(copy_report_to(dir.file("s.txt")), SaveResult::kSaved);
  EXPECT_EQ(read_file(dir.file("s.txt")), r.input_path + "\r\nTitle:     T\r\n");
}

TEST_F(SaveCopyTest, RefusesTheReportItselfAndOverlongPaths) {
  const auto r = run(lines({atom(1, 'A', 1.0), "END"}));
  ASSERT_EQ(r.status, kStatusDone);
  EXPECT_EQ(copy_report_to(r.report_path), SaveResult::kSameFile);
  EXPECT_EQ(read_file(r.report_path), r.report);
  EXPECT_EQ(copy_report_to(std::string(101, 'x')), SaveResult::kPathTooLong);
  EXPECT_TRUE(testing_support::file_exists(r.report_path));
}

TEST_F(SaveCopyTest, NothingAfterZeroBStatus) {
  const auto r = run(lines({atom(1, 'A', 0.0), "END"}));
  ASSERT_EQ(r.status, kStatusZeroB);
  EXPECT_EQ(copy_report_to(dir.file("s.txt")), SaveResult::kNoReport);
  EXPECT_FALSE(testing_support::file_exists(dir.file("s.txt")));
}

}  // namespace
