// Input and report names, the extension check, deleting the previous
// report, and the status messages.
#include "analysis/input_file.h"

#include <gtest/gtest.h>

#include "analysis/common_blocks.h"
#include "analysis/read_pdb.h"
#include "support/analysis_run.h"
#include "support/pdb_text.h"

namespace {

using namespace bvrank;

TEST(InputName, ReportNameReplacesTheLastThreeCharacters) {
  ASSERT_TRUE(set_input_name("C:\\data\\1abc.PDB"));
  EXPECT_EQ(IN_AND_OUT_LEN.INLEN, 16);
  EXPECT_EQ(IN_AND_OUT_LEN.OUTLEN, 16);
  EXPECT_EQ(IN_AND_OUT.OUTNAME.view().substr(0, 17), std::string_view("C:\\data\\1abc.out\0", 17));
  EXPECT_EQ(IN_AND_OUT.INNAME.at(18), ' ');
  EXPECT_TRUE(has_pdb_extension());
  set_input_name("x.Pdb");
  EXPECT_FALSE(has_pdb_extension());
  set_input_name("x.ent");
  EXPECT_FALSE(has_pdb_extension());
}

TEST(InputName, HundredCharactersFillTheFieldWithoutNul) {
  const std::string path = std::string(96, 'a') + ".pdb";
  ASSERT_TRUE(set_input_name(path));
  EXPECT_EQ(IN_AND_OUT.INNAME.view(), path);
  EXPECT_EQ(IN_AND_OUT.OUTNAME.view(), std::string(96, 'a') + ".out");
  EXPECT_FALSE(set_input_name(path + "x"));
}

TEST(InputName, FrontEndNamesOfAnyLengthAreHeldWhole) {
  const std::string dir = "/" + std::string(150, 'd') + "/";
  ASSERT_TRUE(set_input_and_report_names(dir + "1abc.cif.gz", dir + "1abc.out"));
  EXPECT_EQ(IN_AND_OUT.INNAME.view(), dir + "1abc.cif.gz");
  EXPECT_EQ(IN_AND_OUT.OUTNAME.view(), dir + "1abc.out");
  EXPECT_EQ(IN_AND_OUT_LEN.INLEN, 163);
  EXPECT_EQ(IN_AND_OUT_LEN.OUTLEN, 160);
  EXPECT_EQ(status_message(kStatusNotFound).text, " File not found : " + dir + "1abc.cif.gz");

  // A short name afterwards gives back the 100-character field with its NUL.
  ASSERT_TRUE(set_input_and_report_names("a.cif", "a.out"));
  EXPECT_EQ(IN_AND_OUT.INNAME.view(), std::string("a.cif\0", 6) + std::string(94, ' '));
  EXPECT_FALSE(set_input_and_report_names("", "a.out"));
}

TEST(StatusMessages, TextsAndCaptions) {
  set_input_name("C:\\d\\x.pdb");
  EXPECT_EQ(status_message(kStatusNotFound).text, " File not found : C:\\d\\x.pdb");
  EXPECT_EQ(status_message(kStatusNotFound).caption, "File open Error");
  EXPECT_EQ(status_message(kStatusNoAtoms).text, " No \"ATOM\" records found in input file.");
  EXPECT_EQ(status_message(kStatusNoAtoms).caption, "");
  EXPECT_EQ(status_message(kStatusZeroB).text, " B values are ZERO ");
  EXPECT_EQ(status_message(kStatusReadError).text, " ERROR reading file : C:\\d\\x.pdb");
  EXPECT_EQ(status_message(kStatusReadError).caption, "File read Error");
  EXPECT_EQ(status_message(kStatusEarlyEnd).text, " Unexpected end of file : C:\\d\\x.pdb");
  EXPECT_EQ(status_message(kStatusDone).text, "");
}

class PreviousReportTest : public ::testing::Test, public testing_support::AnalysisFixture {};

TEST_F(PreviousReportTest, OnlyAReportThatAnAnalysisWroteIsDeleted) {
  const auto r = run(testing_support::lines({testing_support::atom(1, 'A', 5.0), "END"}));
  ASSERT_TRUE(r.report_exists);
  delete_previous_report();
  EXPECT_FALSE(testing_support::file_exists(r.report_path));

  // A file of the report's name that no analysis wrote (the input was missing) stays.
  const std::string users_file = dir.write("mine.out", "keep me");
  const auto missing = run_path(dir.file("mine.pdb"));
  ASSERT_EQ(missing.status, kStatusNotFound);
  delete_previous_report();
  EXPECT_EQ(testing_support::read_file(users_file), "keep me");
}

}  // namespace
