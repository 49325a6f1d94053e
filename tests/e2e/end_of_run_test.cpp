// How a run ends. A run-time error (a letter in a B value) is reported by
// the run-time, then the state is "Finished" and the exit prompt asks
// whether to close: Enter answers No and the windows stay, Yes ends the
// process with exit code 1. File "E&xit", its key Ctrl+C and closing the
// frame end the process at once with exit code 0 and keep the last report
// file.
#include <gtest/gtest.h>

#include "e2e/driver.h"
#include "e2e/pdb_fixtures.h"

namespace {

using namespace driver;

const char kPromptText[] = "Program Terminated with exit code 1\nExit Window?";

std::string bad_input(Session& s) {
  const std::string input = s.file("badb.pdb");
  EXPECT_TRUE(write_file(input, fixtures::letter_in_b_value()));
  return input;
}

// Waits for the run-time's error box, checks it and presses OK; the exit
// prompt that follows, or null.
HWND accept_error_box(Session& s) {
  HWND box = wait_for_message_box(s.pid(), kPatience);
  EXPECT_NE(box, nullptr);
  if (box == nullptr) return nullptr;
  EXPECT_EQ(window_text(box), "bvrank Run-Time Error");
  EXPECT_NE(message_box_text(box).find("conversion error"), std::string::npos)
      << message_box_text(box);
  EXPECT_EQ(owner_of(box), s.frame());
  press(box, IDOK);
  EXPECT_TRUE(wait_gone(box, kPatience));
  HWND prompt = wait_for_message_box(s.pid(), kPatience);
  EXPECT_NE(prompt, nullptr);
  return prompt;
}

TEST(EndOfRun, RunTimeErrorThenPromptWhoseEnterAnswersNoAndTheFrameStaysUsable) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(choose_file(s.first_dialog(), bad_input(s)));
  HWND prompt = accept_error_box(s);
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(window_text(prompt), "bvrank");
  EXPECT_EQ(message_box_text(prompt), kPromptText);
  EXPECT_NE(GetDlgItem(prompt, IDYES), nullptr);
  EXPECT_NE(GetDlgItem(prompt, IDNO), nullptr);
  EXPECT_EQ(GetDlgItem(prompt, IDOK), nullptr);
  EXPECT_EQ(GetDlgItem(prompt, IDCANCEL), nullptr);
  EXPECT_EQ(button_with_default_style(prompt), IDNO);
  EXPECT_EQ(focus_of(prompt), GetDlgItem(prompt, IDNO));
  EXPECT_EQ(status_word(s.frame()), "Finished");
  // The program's own commands can no longer be chosen.
  const int open_state = menu_item_state(s.frame(), kCmdOpenInput);
  const int save_state = menu_item_state(s.frame(), kCmdSaveOutput);
  EXPECT_TRUE(open_state >= 0 && (open_state & MFS_GRAYED) != 0) << open_state;
  EXPECT_TRUE(save_state >= 0 && (save_state & MFS_GRAYED) != 0) << save_state;

  press_enter(prompt);
  ASSERT_TRUE(wait_gone(prompt, kPatience));
  EXPECT_TRUE(s.process().running());
  EXPECT_EQ(status_word(s.frame()), "Finished");

  // The frame and its menu still work: the status bar goes and comes back.
  HWND bar = status_bar(s.frame());
  ASSERT_TRUE(send_command(s.frame(), kCmdStatusBar));
  EXPECT_FALSE(IsWindowVisible(bar));
  ASSERT_TRUE(send_command(s.frame(), kCmdStatusBar));
  EXPECT_TRUE(IsWindowVisible(bar));
  EXPECT_EQ(status_word(s.frame()), "Finished");
  // (That a greyed item cannot be chosen is the shell's MenuChoice test:
  // here the ended analysis still holds the program, which ignores its
  // commands anyway.)

  PostMessageA(s.frame(), WM_CLOSE, 0, 0);
  EXPECT_NE(s.process().wait_exit(kPatience), static_cast<DWORD>(STILL_ACTIVE))
      << "closing still ends it";
}

TEST(EndOfRun, YesAfterAnErrorInTheFirstAnalysisEndsWithExitCode1) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(choose_file(s.first_dialog(), bad_input(s)));
  HWND prompt = accept_error_box(s);
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(message_box_text(prompt), kPromptText);
  press(prompt, IDYES);
  EXPECT_EQ(s.process().wait_exit(kPatience), 1u);
}

TEST(EndOfRun, YesAfterAnErrorInAMenuStartedAnalysisEndsWithExitCode1) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(s.cancel_first_dialog());
  const std::string input = bad_input(s);
  HWND dialog = s.open_dialog_from_menu();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(choose_file(dialog, input));
  HWND prompt = accept_error_box(s);
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(message_box_text(prompt), kPromptText);
  EXPECT_EQ(status_word(s.frame()), "Finished");
  press(prompt, IDYES);
  EXPECT_EQ(s.process().wait_exit(kPatience), 1u);
}

// Analyses pept.pdb at the first dialog and waits for its report.
std::string analyse_pept(Session& s) {
  const std::string input = s.copy_data("pept.pdb");
  EXPECT_TRUE(choose_file(s.first_dialog(), input));
  EXPECT_TRUE(s.wait_program_idle()) << s.describe();
  const std::string expected = fixtures::expected_report("pept.pdb", input);
  EXPECT_EQ(read_file(s.file("pept.out")), expected);
  return expected;
}

TEST(EndOfRun, FileExitEndsAtOnceWithExitCode0AndKeepsTheReport) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  const std::string expected = analyse_pept(s);
  post_command(s.frame(), kCmdExit);
  EXPECT_EQ(s.process().wait_exit(kPatience), 0u) << "no prompt";
  EXPECT_EQ(read_file(s.file("pept.out")), expected);
}

TEST(EndOfRun, CtrlCTypedInTheReportWindowEndsAtOnceWithExitCode0AndKeepsTheReport) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  const std::string expected = analyse_pept(s);
  const std::vector<HWND> children = child_windows(s.frame());
  ASSERT_EQ(children.size(), 1u);
  type_char(children[0], '\x03');
  EXPECT_EQ(s.process().wait_exit(kPatience), 0u) << "no prompt";
  EXPECT_EQ(read_file(s.file("pept.out")), expected);
}

TEST(EndOfRun, ClosingTheFrameEndsAtOnceWithExitCode0AndKeepsTheReport) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  const std::string expected = analyse_pept(s);
  PostMessageA(s.frame(), WM_CLOSE, 0, 0);
  EXPECT_EQ(s.process().wait_exit(kPatience), 0u) << "no prompt";
  EXPECT_EQ(read_file(s.file("pept.out")), expected);
}

TEST(EndOfRun, ClosingTheFrameWhileTheOpenDialogIsUpEndsWithExitCode0) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  PostMessageA(s.frame(), WM_CLOSE, 0, 0);
  EXPECT_EQ(s.process().wait_exit(kPatience), 0u);
}

}  // namespace
