// Real PDB entries analysed end to end; the expected screen and report
// were computed independently with gemmi (data/make_expected.py).
#include <gtest/gtest.h>

#include "analysis/read_pdb.h"
#include "analysis/tables.h"
#include "support/analysis_run.h"

namespace {

using namespace bvrank;
using testing_support::data_file;
using testing_support::read_file;

class RealFilesTest : public ::testing::TestWithParam<const char*>,
                      public testing_support::AnalysisFixture {};

TEST_P(RealFilesTest, ScreenAndReportMatchTheIndependentComputation) {
  const std::string stem = GetParam();
  // Run on a copy named as in the expected files' input-path line.
  const std::string path = dir.write(stem + ".pdb", read_file(data_file(stem + ".pdb")));
  const auto r = run_path(path);
  ASSERT_EQ(r.status, kStatusDone);
  std::string expected_screen = read_file(data_file("expected/" + stem + ".screen"));
  std::string expected_report = read_file(data_file("expected/" + stem + ".out"));
  // The expected files name the input as "STEM.pdb".
  const std::string name = stem + ".pdb";
  expected_screen.replace(0, name.size(), path);
  expected_report.replace(0, name.size(), path);
  EXPECT_EQ(testing_support::lines(r.screen), expected_screen);
  EXPECT_EQ(r.report, expected_report);
}

INSTANTIATE_TEST_SUITE_P(Entries, RealFilesTest, ::testing::Values("1hpv", "1tii", "pept"));

TEST(RealFiles, Il2StopsAtTheFirstHydrogenWithBZero) {
  testing_support::AnalysisFixture f;
  // A copy: the analysis writes its report beside the input.
  const auto r = f.run_path(f.dir.write("il2.pdb", read_file(data_file("il2.pdb"))));
  EXPECT_EQ(r.status, kStatusZeroB);
  EXPECT_EQ(atoms.NATOM, 2);
  EXPECT_FALSE(r.report_exists);
}

TEST(RealFiles, AnisouEndsThe3al1BlockAfterOneAtom) {
  testing_support::AnalysisFixture f;
  const std::string path = f.dir.write("3al1.pdb", read_file(data_file("3al1.pdb")));
  const auto r = f.run_path(path);
  ASSERT_EQ(r.status, kStatusDone);
  EXPECT_EQ(atoms.NATOM, 1);
  const std::vector<std::string> screen = {
      path,
      "Title:     DESIGNED PEPTIDE ALPHA-1, RACEMIC P1BAR FORM                          ",
      "(The highest 20 averaged B values are shown only.) ",
      "",
      "Chain identifier of chain no.  1 : A",
      "Residue Name  Residue seq. no.    B value   Rank",
      " GLU  A             101             4.53      1",
  };
  EXPECT_EQ(r.screen, screen);
}

}  // namespace
