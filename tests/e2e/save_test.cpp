// "&Save Output File": the Save dialog proposes the report's path without
// its extension, OK copies the report into the ".txt" file and deletes the
// report; without a report (before any analysis, after a cancelled Open,
// after a Save) it says so and changes no file; a name over 100 characters
// and the report itself are refused with a message.
#include <gtest/gtest.h>

#include "e2e/driver.h"
#include "e2e/pdb_fixtures.h"

namespace {

using namespace driver;

const char kNoReport[] = " No report to save: open an input file first.";

// Waits for the Save command's message box, checks it, answers it and waits
// until the command has ended: no dialog follows and nothing else shows.
void answer_save_message(Session& s, const std::string& text) {
  HWND box = wait_for_message_box(s.pid(), kPatience);
  ASSERT_NE(box, nullptr) << s.describe();
  EXPECT_EQ(owner_of(box), s.frame());
  EXPECT_EQ(window_text(box), "Save Output File");
  EXPECT_EQ(message_box_text(box), text);
  EXPECT_EQ(dialogs_of(s.pid()).size(), 1u) << "no Save dialog with it";
  press(box, IDOK);
  ASSERT_TRUE(wait_gone(box, kPatience));
  ASSERT_TRUE(sync_with(s.frame()));
  EXPECT_TRUE(dialogs_of(s.pid()).empty());
}

TEST(SaveWithoutReport, BeforeAnyAnalysisSaveSaysThereIsNoReport) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(s.cancel_first_dialog());
  post_command(s.frame(), kCmdSaveOutput);
  answer_save_message(s, kNoReport);
}

// A session whose first dialog analysed <dir>\data\1hpv.pdb. The input lies
// in a folder of its own, not the program's working directory, so the Save
// dialog can only find it through the proposed path.
class SaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(s.ready()) << s.describe();
    ASSERT_TRUE(make_directories(data_dir));
    input = data_dir + "\\1hpv.pdb";
    ASSERT_TRUE(write_file(input, read_file(data_file("1hpv.pdb"))));
    expected = fixtures::expected_report("1hpv.pdb", input);
    ASSERT_TRUE(choose_file(s.first_dialog(), input));
    ASSERT_TRUE(s.wait_program_idle()) << s.describe();
    ASSERT_EQ(read_file(report), expected);
  }

  HWND open_save_dialog() { return s.dialog_from_menu(kCmdSaveOutput, "Open Output File"); }

  Session s;
  const std::string data_dir = s.dir().path() + "\\data";
  const std::string report = data_dir + "\\1hpv.out";
  const std::string saved = data_dir + "\\1hpv.txt";
  std::string input;
  std::string expected;
};

TEST_F(SaveTest, ProposesTheReportPathWithoutExtensionAndOkCopiesAndDeletesTheReport) {
  HWND dialog = open_save_dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(owner_of(dialog), s.frame());
  EXPECT_EQ(file_type_field(dialog), "Text File (.txt)");
  // Wine's dialog shows the proposed Z:\...\data\1hpv as folder and name.
  EXPECT_EQ(file_dialog_folder(dialog), "data");
  EXPECT_EQ(file_name_field(dialog), "1hpv");

  press(dialog, IDOK);
  ASSERT_TRUE(wait_gone(dialog, kPatience));
  ASSERT_TRUE(sync_with(s.frame()));
  EXPECT_EQ(read_file(saved), expected) << "the default extension txt is added";
  EXPECT_FALSE(file_exists(report));
  EXPECT_TRUE(dialogs_of(s.pid()).empty());
}

TEST_F(SaveTest, ReplacesAnExistingFileWithoutAsking) {
  ASSERT_TRUE(write_file(saved, "an older file of the same name\r\n"));
  HWND dialog = open_save_dialog();
  ASSERT_NE(dialog, nullptr);
  press(dialog, IDOK);
  ASSERT_TRUE(wait_gone(dialog, kPatience)) << "no question about replacing the file";
  ASSERT_TRUE(sync_with(s.frame()));
  EXPECT_EQ(read_file(saved), expected);
}

TEST_F(SaveTest, CancelKeepsTheReport) {
  HWND dialog = open_save_dialog();
  ASSERT_NE(dialog, nullptr);
  press(dialog, IDCANCEL);
  ASSERT_TRUE(wait_gone(dialog, kPatience));
  ASSERT_TRUE(sync_with(s.frame()));
  EXPECT_EQ(read_file(report), expected);
  EXPECT_FALSE(file_exists(saved));
}

TEST_F(SaveTest, SecondSaveHasNoReportAndLeavesTheSavedFileAlone) {
  HWND dialog = open_save_dialog();
  ASSERT_NE(dialog, nullptr);
  press(dialog, IDOK);
  ASSERT_TRUE(wait_gone(dialog, kPatience));
  ASSERT_TRUE(sync_with(s.frame()));
  ASSERT_EQ(read_file(saved), expected);

  post_command(s.frame(), kCmdSaveOutput);
  answer_save_message(s, kNoReport);
  EXPECT_EQ(read_file(saved), expected);
  EXPECT_FALSE(file_exists(report)) << "no empty report is made";
}

TEST_F(SaveTest, AfterACancelledOpenSaveSaysThereIsNoReport) {
  HWND dialog = s.open_dialog_from_menu();
  ASSERT_NE(dialog, nullptr);
  press(dialog, IDCANCEL);
  ASSERT_TRUE(wait_gone(dialog, kPatience));
  ASSERT_TRUE(sync_with(s.frame()));
  ASSERT_FALSE(file_exists(report)) << "the Open command deleted it";
  post_command(s.frame(), kCmdSaveOutput);
  answer_save_message(s, kNoReport);
  EXPECT_FALSE(file_exists(saved));
}

TEST_F(SaveTest, NamesOver100CharactersAndTheReportItselfAreRefusedAndTheReportStays) {
  // A name of 101 characters in the report's folder, and the report.
  const std::string too_long =
      data_dir + "\\" + std::string(101 - data_dir.size() - 5, 'n') + ".txt";
  ASSERT_EQ(too_long.size(), 101u);
  const struct {
    std::string name;
    std::string message;
  } refused[] = {
      {too_long, " Output file name longer than 100 characters : " + too_long},
      {report, " The report cannot be saved onto itself : " + report},
  };
  for (const auto& r : refused) {
    SCOPED_TRACE(r.name);
    HWND dialog = open_save_dialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(choose_file(dialog, r.name));
    answer_save_message(s, r.message);
    EXPECT_EQ(read_file(report), expected);
  }
  EXPECT_FALSE(file_exists(too_long));
}

}  // namespace
