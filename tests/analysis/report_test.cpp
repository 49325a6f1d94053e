// The report's exact lines and their order on the screen and in the file.
#include "analysis/report.h"

#include <gtest/gtest.h>

#include "analysis/read_pdb.h"
#include "analysis/tables.h"
#include "support/analysis_run.h"
#include "support/pdb_text.h"

namespace {

using namespace bvrank;
using testing_support::AnalysisFixture;
using testing_support::atom;
using testing_support::lines;

class ReportTest : public ::testing::Test, public AnalysisFixture {};

const char* kHeader = "Residue Name  Residue seq. no.    B value   Rank";

TEST_F(ReportTest, ScreenAndFileOfASmallFile) {
  const auto r =
      run(lines({"HEADER    TEST", "TITLE     A SMALL TEST   ", atom(7, 'A', 12.5, "GLY"),
                 atom(7, 'A', 13.0, "GLY"), atom(-12, 'A', 0.94, "SER"), "TER",
                 atom(1001, 'B', 99.99, "LYS"), "END"}));
  ASSERT_EQ(r.status, kStatusDone);
  const std::vector<std::string> screen = {
      r.input_path,
      "Title:     A SMALL TEST   ",
      "(The highest 20 averaged B values are shown only.) ",
      "",
      "Chain identifier of chain no.  1 : A",
      kHeader,
      " GLY  A               7            12.75      1",
      " SER  A             -12             0.94      2",
      "",
      "Chain identifier of chain no.  2 : B",
      kHeader,
      " LYS  B            1001            99.99      1",
  };
  EXPECT_EQ(r.screen, screen);
  std::string file;
  for (const auto& line : screen) {
    if (line.rfind("(The highest", 0) == 0) continue;  // the note is screen only
    file += line + "\r\n";
  }
  EXPECT_EQ(r.report, file);
}

TEST_F(ReportTest, ScreenShowsTwentyRanksTheFileAll) {
  std::string text;
  for (int i = 1; i <= 25; ++i) text += atom(i, 'A', i) + "\n";
  const auto r = run(text + "END\n");
  ASSERT_EQ(r.status, kStatusDone);
  ASSERT_EQ(r.screen.size(), 2u + 3u + 20u);
  EXPECT_EQ(r.screen.back(), " ALA  A               6             6.00     20");
  const std::string last_in_file = " ALA  A               1             1.00     25\r\n";
  EXPECT_EQ(r.report.substr(r.report.size() - last_in_file.size()), last_in_file);
}

TEST_F(ReportTest, LineLayouts) {
  chains.CHAIN_ID[10] = 'J';
  EXPECT_EQ(chain_line(10), "Chain identifier of chain no. 10 : J");
  EXPECT_EQ(header_line(), kHeader);
  EXPECT_EQ(header_line().size(), 48u);
  EXPECT_EQ(kNoteLine.size(), 51u);

  std::memcpy(residues.RES_NAME[1], "HOH", 3);
  residues.RES_CHAIN[1] = ' ';
  residues.RES_SEQ[1] = 1234567;    // does not fit 6 columns
  residues.RES_BAVG[1] = -20.125f;  // ranked: stored negated; exact tie rounds up
  residues.RES_RANK[1] = 3;
  EXPECT_EQ(detail_line(1), " HOH" + std::string(13, ' ') + "******            20.13      3");

  const std::string title = "TITLE     " + std::string(70, 'x');
  EXPECT_EQ(title_line(title, 95), "Title: " + title.substr(6, 74));
  EXPECT_EQ(title_line("TITLE ", 6), "Title: ");
  EXPECT_EQ(title_line("TITLE  X", 8), "Title:  X");

  chains.CHAIN_ID[10] = "AAA";  // an mmCIF chain name is written whole
  residues.RES_CHAIN[1] = "AAA";
  EXPECT_EQ(chain_line(10), "Chain identifier of chain no. 10 : AAA");
  EXPECT_EQ(detail_line(1).substr(0, 9), " HOH  AAA");
}

TEST_F(ReportTest, WithoutReportTheAnalysisWritesNothingAndKeepsTitles) {
  set_report_enabled(false);
  const auto r = run(lines({"TITLE     FIRST", "TITLE    2 SECOND  ", atom(7, 'A', 12.5), "END"}));
  set_report_enabled(true);
  EXPECT_EQ(r.status, kStatusDone);
  EXPECT_TRUE(r.screen.empty());
  EXPECT_FALSE(r.report_exists);
  EXPECT_EQ(residues.RES_RANK[1], 1);
  EXPECT_EQ(titles(), (std::vector<std::string>{"    FIRST", "   2 SECOND  "}));

  // A failure after the titles leaves nothing either; a new call forgets them.
  set_report_enabled(false);
  const auto zero = run(lines({"TITLE     Z", atom(7, 'A', 0.0), "END"}));
  set_report_enabled(true);
  EXPECT_EQ(zero.status, kStatusZeroB);
  EXPECT_TRUE(zero.screen.empty());
  EXPECT_FALSE(zero.report_exists);
  EXPECT_EQ(titles(), std::vector<std::string>{"    Z"});
}

}  // namespace
