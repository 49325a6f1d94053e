// bvrank.exe under Wine from its start: the frame, its place and size, the
// first Open dialog, an idle program after Cancel, and the menu bar that the
// program cut down to its File menu.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/driver.h"

namespace {

using namespace driver;

TEST(Startup, FrameAppearsAndClosingEndsTheProcess) {
  driver::Process p(BVRANK_EXE, "", "");
  ASSERT_TRUE(p.started());
  HWND frame = driver::wait_for_window(p.id(), "bvrankFRAME", nullptr, kPatience);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(driver::window_text(frame), "bvrank");
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.wait_exit(kPatience), 0u);
}

TEST(Startup, FirstOpenDialogIsModalToTheFrameAndAsksForAPdbFile) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  HWND dialog = s.first_dialog();
  EXPECT_EQ(owner_of(dialog), s.frame());
  EXPECT_FALSE(IsWindowEnabled(s.frame())) << "the dialog is modal to the frame";
  EXPECT_EQ(file_type_field(dialog), "PDB File (.pdb)");
  EXPECT_EQ(file_name_field(dialog), "") << "the first dialog starts with an empty name";
  EXPECT_EQ(status_word(s.frame()), "Running");
}

TEST(Startup, FrameIs700By900AtTheTopLeftWithOneBlankCaptionedReportWindow) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  RECT r;
  ASSERT_TRUE(GetWindowRect(s.frame(), &r));
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right - r.left, 700);
  EXPECT_EQ(r.bottom - r.top, 900);

  const std::vector<HWND> children = child_windows(s.frame());
  ASSERT_EQ(children.size(), 1u);
  EXPECT_EQ(window_text(children[0]), " ");
}

TEST(Startup, CancelAtTheFirstDialogLeavesAnIdleEmptyWindowAndOpenWorksLater) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(s.cancel_first_dialog());
  // The program thread has finished: nothing else was shown.
  EXPECT_TRUE(dialogs_of(s.pid()).empty());
  EXPECT_TRUE(IsWindowEnabled(s.frame()));
  EXPECT_EQ(status_word(s.frame()), "Running");

  // No report was drawn: the window is one colour, black or white.
  const std::vector<HWND> children = child_windows(s.frame());
  ASSERT_EQ(children.size(), 1u);
  const std::vector<unsigned> pixels = client_pixels(children[0]);
  ASSERT_FALSE(pixels.empty());
  EXPECT_TRUE(pixels[0] == 0x000000 || pixels[0] == 0xFFFFFF) << std::hex << pixels[0];
  EXPECT_EQ(std::count(pixels.begin(), pixels.end(), pixels[0]), static_cast<long>(pixels.size()));

  // "&Open Input File" later runs an analysis.
  const std::string input = s.copy_data("pept.pdb");
  HWND dialog = s.open_dialog_from_menu();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(owner_of(dialog), s.frame());
  ASSERT_TRUE(choose_file(dialog, input));
  ASSERT_TRUE(sync_with(s.frame()));
  EXPECT_TRUE(file_exists(s.file("pept.out")));
}

TEST(Startup, MenuBarHoldsOnlyTheFileMenuWithTheProgramsFourItems) {
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  ASSERT_TRUE(s.cancel_first_dialog());
  const std::vector<MenuItem> menus = read_menus(s.frame());
  ASSERT_FALSE(menus.empty()) << "the menus could not be read";
  EXPECT_EQ(menu_bar(s.frame()), std::vector<std::string>{"&File"});

  std::vector<std::string> texts;
  std::vector<unsigned> ids;
  for (const MenuItem& m : menus) {
    if (m.level != 1) continue;
    texts.push_back(m.text);
    ids.push_back(m.id);
    EXPECT_EQ(m.state & (MFS_GRAYED | MFS_DISABLED), 0u) << m.text;
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"&Open Input File", "&Print...", "&Save Output File",
                                             "E&xit\tCtrl+C"}));
  EXPECT_EQ(ids, (std::vector<unsigned>{kCmdOpenInput, 1019, kCmdSaveOutput, kCmdExit}));
}

}  // namespace
