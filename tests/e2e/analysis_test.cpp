// Choosing input files in the Open dialog: the report file beside the input
// (its first line the path as the dialog returned it), the report shown in
// the window and replaced by the next one, which names are analysed, the
// deletion of the previous report, the longest path that is taken, and the
// commands ignored until the first analysis has ended.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#include "e2e/driver.h"
#include "e2e/pdb_fixtures.h"

namespace {

using namespace driver;

TEST(Analysis, FirstDialogChoiceWritesTheReportBesideTheInputAndShowsIt) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  const std::string input = s.copy_data("1hpv.pdb");
  ASSERT_TRUE(choose_file(s.first_dialog(), input));

  ASSERT_TRUE(s.wait_program_idle()) << s.describe();
  EXPECT_EQ(read_file(s.file("1hpv.out")), fixtures::expected_report("1hpv.pdb", input));
  EXPECT_TRUE(dialogs_of(s.pid()).empty()) << "a successful analysis ends without a message";

  // Black text on a white window.
  const std::vector<HWND> children = child_windows(s.frame());
  ASSERT_EQ(children.size(), 1u);
  const std::vector<unsigned> pixels = client_pixels(children[0]);
  ASSERT_FALSE(pixels.empty());
  const auto white = std::count(pixels.begin(), pixels.end(), 0xFFFFFFu);
  const auto black = std::count(pixels.begin(), pixels.end(), 0x000000u);
  EXPECT_GT(black, 0);
  EXPECT_GT(white, black);
  EXPECT_EQ(white + black, static_cast<long>(pixels.size())) << "only black and white";
}

TEST(Analysis, MenuStartedRunOfASevenChainFileWithATitle) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(s.cancel_first_dialog());
  const std::string input = s.copy_data("1tii.pdb");
  ASSERT_TRUE(s.open_from_menu(input));
  // The menu command has returned: the report is complete.
  EXPECT_EQ(read_file(s.file("1tii.out")), fixtures::expected_report("1tii.pdb", input));
  EXPECT_TRUE(dialogs_of(s.pid()).empty()) << "no message after a successful analysis";
}

TEST(Analysis, SecondAnalysisClearsTheWindowAndShowsOnlyItsReport) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(s.cancel_first_dialog());
  const std::vector<HWND> children = child_windows(s.frame());
  ASSERT_EQ(children.size(), 1u);
  const std::string pept = s.copy_data("pept.pdb");
  ASSERT_TRUE(s.open_from_menu(pept));
  const std::vector<unsigned> alone = client_pixels(children[0]);
  ASSERT_FALSE(alone.empty());
  ASSERT_GT(std::count(alone.begin(), alone.end(), 0x000000u), 0) << "the report shows";

  // A report that fills the window, then the short one again: the window
  // shows what it showed for the short one alone.
  ASSERT_TRUE(s.open_from_menu(s.copy_data("1tii.pdb")));
  const std::vector<unsigned> long_report = client_pixels(children[0]);
  ASSERT_NE(long_report, alone);
  ASSERT_TRUE(s.open_from_menu(pept));
  const std::vector<unsigned> again = client_pixels(children[0]);
  ASSERT_EQ(again.size(), alone.size());
  const auto differing = std::inner_product(again.begin(), again.end(), alone.begin(), 0L,
                                            std::plus<>(), std::not_equal_to<>());
  EXPECT_EQ(differing, 0) << "pixels that differ from the short report alone";
}

TEST(Analysis, OpenAndSaveAreIgnoredUntilTheFirstAnalysisHasEnded) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(choose_file(s.first_dialog(), s.copy_data("il2.pdb")));
  // The first analysis, on the program thread, ends only once its message
  // is answered. Each command returns at once: one that showed a dialog or
  // a message would return only once that closed.
  HWND box = wait_for_message_box(s.pid(), kPatience);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(send_command(s.frame(), kCmdOpenInput));
  EXPECT_TRUE(send_command(s.frame(), kCmdSaveOutput));
  EXPECT_EQ(dialogs_of(s.pid()), std::vector<HWND>{box});
  EXPECT_EQ(status_word(s.frame()), "Running") << "ignored, not paused";

  press(box, IDOK);
  ASSERT_TRUE(wait_gone(box, kPatience));
  ASSERT_TRUE(s.wait_program_idle()) << s.describe();
  HWND dialog = s.open_dialog_from_menu();
  ASSERT_NE(dialog, nullptr) << "one command is enough once the analysis has ended";
  press(dialog, IDCANCEL);
  EXPECT_TRUE(wait_gone(dialog, kPatience));
}

TEST(Analysis, UpperCaseExtensionGivesALowerCaseReportExtension) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(s.cancel_first_dialog());
  const std::string input = s.copy_data("pept.pdb", "PEPT.PDB");
  ASSERT_TRUE(s.open_from_menu(input));
  EXPECT_EQ(read_file(s.file("PEPT.out")), fixtures::expected_report("pept.pdb", input));
}

TEST(Analysis, OtherExtensionsAreIgnoredSilently) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(s.cancel_first_dialog());
  // The dialog takes any existing file; only "pdb" and "PDB" are analysed.
  for (const char* name : {"pept.ent", "pept.Pdb", "pept.pdbx"}) {
    SCOPED_TRACE(name);
    const std::string input = s.copy_data("pept.pdb", name);
    ASSERT_TRUE(s.open_from_menu(input));
    EXPECT_TRUE(dialogs_of(s.pid()).empty()) << "no message";
    const std::string stem = input.substr(0, input.rfind('.'));
    EXPECT_FALSE(file_exists(stem + ".out"));
    EXPECT_FALSE(file_exists(input.substr(0, input.size() - 3) + "out"));
  }
}

TEST(Analysis, SecondOpenDeletesTheFirstReportEvenWhenCancelled) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  const std::string input = s.copy_data("1hpv.pdb");
  ASSERT_TRUE(choose_file(s.first_dialog(), input));
  const std::string report = s.file("1hpv.out");
  ASSERT_TRUE(s.wait_program_idle()) << s.describe();
  ASSERT_EQ(read_file(report), fixtures::expected_report("1hpv.pdb", input));

  HWND dialog = s.open_dialog_from_menu();
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(file_exists(report)) << "deleted before the dialog opens";
  EXPECT_EQ(file_name_field(dialog), "1hpv.pdb") << "the dialog opens on the previous choice";
  press(dialog, IDCANCEL);
  ASSERT_TRUE(wait_gone(dialog, kPatience));
  ASSERT_TRUE(sync_with(s.frame()));
  EXPECT_FALSE(file_exists(report));
  EXPECT_TRUE(file_exists(input)) << "the input itself stays";
  EXPECT_TRUE(dialogs_of(s.pid()).empty());
}

TEST(Analysis, PathOfExactly100CharactersIsAnalysedAndOneOf101IsRefusedSilently) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(s.cancel_first_dialog());
  // <dir>\<d...d>\x.pdb with the middle directory's name making the length.
  const std::string base = s.dir().path() + "\\";
  const auto path_of_length = [&](std::size_t length, char fill) {
    const std::size_t middle = length - base.size() - std::string("\\x.pdb").size();
    const std::string dir = base + std::string(middle, fill);
    EXPECT_TRUE(make_directories(dir));
    const std::string path = dir + "\\x.pdb";
    EXPECT_EQ(path.size(), length);
    write_file(path, read_file(data_file("pept.pdb")));
    return path;
  };

  const std::string too_long = path_of_length(101, 'e');
  ASSERT_TRUE(s.open_from_menu(too_long));
  EXPECT_TRUE(dialogs_of(s.pid()).empty()) << "refused without a message";
  EXPECT_FALSE(file_exists(too_long.substr(0, too_long.size() - 3) + "out"));

  const std::string longest = path_of_length(100, 'd');
  ASSERT_TRUE(s.open_from_menu(longest));
  EXPECT_TRUE(dialogs_of(s.pid()).empty());
  EXPECT_EQ(read_file(longest.substr(0, longest.size() - 3) + "out"),
            fixtures::expected_report("pept.pdb", longest));
}

}  // namespace
