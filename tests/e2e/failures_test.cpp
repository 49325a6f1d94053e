// Analyses that fail: the message box owned by the frame, with the program's
// whole 130-character text and caption fields (trailing blanks included),
// what stays of the report file, and an idle program afterwards.
#include <gtest/gtest.h>

#include "e2e/driver.h"
#include "e2e/pdb_fixtures.h"

namespace {

using namespace driver;

std::string field130(const std::string& text) {
  return text + std::string(130 - text.size(), ' ');
}

// Waits for the failure box, checks it, presses OK and waits until the
// analysis that showed it has ended.
void expect_failure_box(Session& s, const std::string& text, const std::string& caption) {
  HWND box = wait_for_message_box(s.pid(), kPatience);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(owner_of(box), s.frame());
  EXPECT_EQ(message_box_text(box), field130(text));
  EXPECT_EQ(window_text(box), field130(caption));
  const bool on_program_thread =
      GetWindowThreadProcessId(box, nullptr) != GetWindowThreadProcessId(s.frame(), nullptr);
  press(box, IDOK);
  ASSERT_TRUE(wait_gone(box, kPatience));
  ASSERT_TRUE(on_program_thread ? s.wait_program_idle() : sync_with(s.frame())) << s.describe();
  EXPECT_TRUE(dialogs_of(s.pid()).empty());
  EXPECT_TRUE(IsWindowEnabled(s.frame()));
  EXPECT_EQ(status_word(s.frame()), "Running");
}

TEST(Failures, EndRecordBeforeAnyAtomAtTheFirstDialog) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  const std::string input = s.file("noatoms.pdb");
  ASSERT_TRUE(write_file(input, fixtures::end_before_atoms()));
  ASSERT_TRUE(choose_file(s.first_dialog(), input));
  expect_failure_box(s, " No \"ATOM\" records found in input file.", "");
  // The report keeps what was written before the END record.
  EXPECT_EQ(read_file(s.file("noatoms.out")), input + "\r\n" + fixtures::title_line_of_1tii());
}

TEST(Failures, ZeroBValueDeletesTheReport) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(s.cancel_first_dialog());
  const std::string input = s.copy_data("il2.pdb");
  ASSERT_TRUE(s.open_from_menu(input));
  expect_failure_box(s, " B values are ZERO ", "");
  EXPECT_FALSE(file_exists(s.file("il2.out")));
}

TEST(Failures, FileEndingInAnAtomRecordNamesThePath) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(s.cancel_first_dialog());
  const std::string input = s.file("cut.pdb");
  ASSERT_TRUE(write_file(input, fixtures::ends_in_atom_record()));
  ASSERT_TRUE(s.open_from_menu(input));
  expect_failure_box(s, " Unexpected end of file : " + input, "File read Error");
  EXPECT_EQ(read_file(s.file("cut.out")), input + "\r\n" + fixtures::title_line_of_1tii());
}

TEST(Failures, AfterAFailureTheNextFileIsAnalysed) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(choose_file(s.first_dialog(), s.copy_data("il2.pdb")));
  expect_failure_box(s, " B values are ZERO ", "");
  const std::string input = s.copy_data("pept.pdb");
  ASSERT_TRUE(s.open_from_menu(input));
  EXPECT_TRUE(dialogs_of(s.pid()).empty());
  EXPECT_EQ(read_file(s.file("pept.out")), fixtures::expected_report("pept.pdb", input));
}

}  // namespace
