// The reader's record tests, scans, field rules, limits and statuses, each
// checked through what a user sees: the status, the screen lines and the
// report file.
#include "analysis/read_pdb.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/tables.h"
#include "support/analysis_run.h"
#include "support/pdb_text.h"
#include "support/recording_graphics.h"

namespace {

using namespace bvrank;
using testing_support::AnalysisFixture;
using testing_support::atom;
using testing_support::AtomSpec;
using testing_support::lines;

class ReadPdbTest : public ::testing::Test, public AnalysisFixture {};

TEST_F(ReadPdbTest, MissingFileTouchesNothing) {
  testing_support::graphics_calls().clear();
  const auto r = run_path(dir.file("absent.pdb"));
  EXPECT_EQ(r.status, kStatusNotFound);
  EXPECT_TRUE(r.screen.empty());
  EXPECT_FALSE(r.report_exists);
  EXPECT_TRUE(testing_support::graphics_calls().empty());
}

TEST_F(ReadPdbTest, PreparesTheViewBeforeWriting) {
  testing_support::graphics_calls().clear();
  const auto r = run(lines({atom(1, 'A', 10.0), "END"}));
  EXPECT_EQ(r.status, kStatusDone);
  const std::vector<std::string> expected = {"SETVIEWPORT(0,0,695,895)", "SETWINDOW(1,0,0,695,895)",
                                             "SETBKCOLORRGB(FFFFFF)", "CLEARSCREEN(1)",
                                             "SETTEXTCOLORRGB(000000)"};
  EXPECT_EQ(testing_support::graphics_calls(), expected);
}

TEST_F(ReadPdbTest, EndBeforeAnyAtomKeepsPathAndTitles) {
  const auto r = run(
      lines({"HEADER    x", "TITLE     FIRST", "TITLE", "HETATM    1", "END", atom(1, 'A', 10.0)}));
  EXPECT_EQ(r.status, kStatusNoAtoms);
  const std::vector<std::string> screen = {r.input_path, "Title:     FIRST", "Title: "};
  EXPECT_EQ(r.screen, screen);
  EXPECT_EQ(r.report, r.input_path + "\r\nTitle:     FIRST\r\nTitle: \r\n");
}

TEST_F(ReadPdbTest, EarlyEndOfFile) {
  // No ATOM and no END record.
  EXPECT_EQ(run(lines({"HEADER", "ENDMDL", "REMARK"})).status, kStatusEarlyEnd);
  // The last record is an atom record, a HETATM record, or a TER.
  EXPECT_EQ(run(lines({atom(1, 'A', 10.0)})).status, kStatusEarlyEnd);
  EXPECT_EQ(run(atom(1, 'A', 10.0)).status, kStatusEarlyEnd);  // no line end either
  AtomSpec het;
  het.record = "HETATM";
  EXPECT_EQ(run(lines({atom(1, 'A', 10.0), atom(het)})).status, kStatusEarlyEnd);
  const auto r = run(lines({"TITLE     T", atom(1, 'A', 10.0), "TER"}));
  EXPECT_EQ(r.status, kStatusEarlyEnd);
  EXPECT_TRUE(r.report_exists);
  EXPECT_EQ(r.report, r.input_path + "\r\nTitle:     T\r\n");
}

TEST_F(ReadPdbTest, ZeroOrNegativeBDeletesTheReport) {
  const auto r = run(lines({"TITLE     T", atom(1, 'A', 10.0), atom(2, 'A', 0.0), "END"}));
  EXPECT_EQ(r.status, kStatusZeroB);
  EXPECT_FALSE(r.report_exists);
  EXPECT_EQ(r.screen, (std::vector<std::string>{r.input_path, "Title:     T"}));
  EXPECT_EQ(run(lines({atom(1, 'A', -3.5), "END"})).status, kStatusZeroB);
  // A record ending before column 62 has a blank B field.
  EXPECT_EQ(run(lines({atom(1, 'A', 10.0).substr(0, 60), "END"})).status, kStatusZeroB);
}

TEST_F(ReadPdbTest, RecordNameTestsAreExactBytes) {
  std::string atoms_record = atom(1, 'A', 10.0);
  atoms_record.replace(0, 6, "ATOMS ");
  auto r = run(lines({atoms_record, "END"}));
  EXPECT_EQ(r.status, kStatusDone);
  EXPECT_EQ(atoms.NATOM, 1);

  std::string lower = atom(1, 'A', 10.0);
  lower.replace(0, 4, "atom");
  EXPECT_EQ(run(lines({lower, "END"})).status, kStatusNoAtoms);
  // "ENDMDL" is not an end record; "END" alone is (column 4 reads as blank).
  EXPECT_EQ(run(lines({"ENDMDL", "REMARK"})).status, kStatusEarlyEnd);
  EXPECT_EQ(run(lines({"ENDMDL", "END"})).status, kStatusNoAtoms);
}

TEST_F(ReadPdbTest, HetatmOnlyCountsInsideTheBlock) {
  AtomSpec het;
  het.record = "HETATM";
  het.resseq = 2;
  het.b = 50.0;
  auto r = run(lines({atom(het), atom(1, 'A', 10.0), atom(het), "END"}));
  EXPECT_EQ(r.status, kStatusDone);
  EXPECT_EQ(atoms.NATOM, 2);  // the HETATM before the first ATOM is skipped
  EXPECT_EQ(residues.NRES, 2);
}

TEST_F(ReadPdbTest, BlockEndsAtOtherRecords) {
  for (const char* ender : {"ANISOU    1", "SIGATM", "ENDMDL", "CONECT", "", "MASTER"}) {
    auto r = run(lines({atom(1, 'A', 10.0), ender, atom(2, 'A', 10.0), "END"}));
    EXPECT_EQ(r.status, kStatusDone) << ender;
    EXPECT_EQ(atoms.NATOM, 1) << ender;
  }
}

TEST_F(ReadPdbTest, ChainBreakRules) {
  // TER then ATOM: the block goes on.
  run(lines({atom(1, 'A', 10.0), "TER", atom(1, 'B', 10.0), "END"}));
  EXPECT_EQ(atoms.NATOM, 2);
  // TER then HETATM, another TER, or an ATOM of chain Z: the block is over.
  AtomSpec het;
  het.record = "HETATM";
  run(lines({atom(1, 'A', 10.0), "TER", atom(het), "END"}));
  EXPECT_EQ(atoms.NATOM, 1);
  run(lines({atom(1, 'A', 10.0), "TER", "TER", atom(1, 'B', 10.0), "END"}));
  EXPECT_EQ(atoms.NATOM, 1);
  run(lines({atom(1, 'A', 10.0), "TER", atom(1, 'Z', 10.0), "END"}));
  EXPECT_EQ(atoms.NATOM, 1);
  // Chain Z directly after an atom record is accepted.
  run(lines({atom(1, 'A', 10.0), atom(1, 'Z', 10.0), "END"}));
  EXPECT_EQ(atoms.NATOM, 2);
  // TER then ENDMDL (a second model follows): only the first model.
  run(lines({"MODEL 1", atom(1, 'A', 10.0), "TER", "ENDMDL", "MODEL 2", atom(1, 'A', 30.0)}));
  EXPECT_EQ(atoms.NATOM, 1);
}

TEST_F(ReadPdbTest, FieldColumns) {
  AtomSpec a;
  a.serial = 12345;
  a.name = " OG1";
  a.altloc = 'B';
  a.resname = "THR";
  a.chain = 'C';
  a.resseq = 1001;  // all four columns 23-26
  a.b = 15.2;
  a.element = " O";
  atoms.ATOM_CHAIN[1] = "AB1";  // as an mmCIF file with longer chain names leaves it
  run(lines({atom(a), "END"}));
  EXPECT_EQ(atoms.ATOM_SERIAL[1], 12345);
  EXPECT_EQ(std::string(atoms.ATOM_NAME[1], 4), " OG1");
  EXPECT_EQ(atoms.ATOM_ALTLOC[1], 'B');
  EXPECT_EQ(std::string(atoms.ATOM_RESNAME[1], 3), "THR");
  EXPECT_EQ(atoms.ATOM_CHAIN[1], "C");
  EXPECT_EQ(atoms.ATOM_RESSEQ[1], 1001);
  EXPECT_EQ(atoms.ATOM_B[1], 15.2f);
  EXPECT_EQ(atoms.ATOM_ELEMENT[1], 'O');

  a.resseq = -10;
  run(lines({atom(a), "END"}));
  EXPECT_EQ(atoms.ATOM_RESSEQ[1], -10);

  // B values of 100 and more use column 61 too.
  a.b = 100.76;
  EXPECT_EQ(run(lines({atom(a), "END"})).status, kStatusDone);
  EXPECT_EQ(atoms.ATOM_B[1], 100.76f);
  a.b = 15.2;

  // B without a decimal point: "   152" in columns 61-66 is 1.52.
  std::string rec = atom(1, 'A', 10.0);
  rec.replace(60, 6, "   152");
  run(lines({rec, "END"}));
  EXPECT_EQ(atoms.ATOM_B[1], 1.52f);

  // A 66-column record has no element; everything else is read.
  run(lines({atom(a).substr(0, 66), "END"}));
  EXPECT_EQ(atoms.ATOM_ELEMENT[1], ' ');
  EXPECT_EQ(atoms.ATOM_B[1], 15.2f);

  // Columns beyond 80 are not looked at.
  run(lines({atom(a) + "garbage after column 80", "END"}));
  EXPECT_EQ(atoms.NATOM, 1);
}

TEST_F(ReadPdbTest, AtomLimitEndsTheBlockAtTenThousand) {
  std::string text;
  for (int i = 1; i <= kAtomCapacity + 1; ++i)
    text += atom(i, 'A', i == kAtomCapacity + 1 ? 0.0 : 10.0) + "\n";
  text += "END\n";
  const auto r = run(text);
  EXPECT_EQ(r.status, kStatusDone);  // the 10001st atom (with B 0) is never read
  EXPECT_EQ(atoms.NATOM, kAtomCapacity);
  EXPECT_EQ(residues.NRES, kAtomCapacity);  // more than 5000 residues are all kept

  lift_table_limits(true);  // --all: the 10001st atom is read, and its B of 0 ends the call
  const auto lifted = run(text);
  lift_table_limits(false);
  EXPECT_EQ(lifted.status, kStatusZeroB);
  EXPECT_EQ(atoms.NATOM, kAtomCapacity + 1);
}

TEST_F(ReadPdbTest, ConversionErrorStopsTheProgram) {
  std::string rec = atom(1, 'A', 10.0);
  rec[63] = 'x';  // a letter among the B-value columns
  try {
    run(lines({rec, "END"}));
    FAIL() << "no stop";
  } catch (const testing_support::StopCalled& stop) {
    const std::string report = stop.what();
    EXPECT_NE(report.find("conversion"), std::string::npos) << report;
    EXPECT_NE(report.find(rec.substr(0, 66)), std::string::npos) << report;
  }
}

#ifndef _WIN32
TEST_F(ReadPdbTest, ReadErrorGivesStatusMinusThree) {
  // On Linux a directory opens but cannot be read.
  const std::string path = dir.file("folder.pdb");
  std::filesystem::create_directory(path);
  const auto r = run_path(path);
  EXPECT_EQ(r.status, kStatusReadError);
  EXPECT_EQ(r.screen, std::vector<std::string>{path});
}
#endif

TEST_F(ReadPdbTest, UnreadableReportLocationStops) {
  const std::string sub = dir.file("sub");
  std::filesystem::create_directory(sub);
  const std::string path = dir.write("sub/x.pdb", lines({atom(1, 'A', 10.0), "END"}));
  std::filesystem::create_directory(sub + "/x.out");  // the report name is taken by a directory
  EXPECT_THROW(run_path(path), testing_support::StopCalled);
}

}  // namespace
