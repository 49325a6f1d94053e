// File > Print... in bvrank: after an analysis the report window prints to
// the test print queue as one page, which shows the window's text rows in
// the same order and proportions, across the page's width.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

#include "e2e/driver.h"
#include "e2e/pdb_fixtures.h"
#include "e2e/print_check.h"

namespace {

using namespace driver;

constexpr int kCmdPrint = 1019;
constexpr int kCmdSave = 1020;  // the shell's bitmap save; not in bvrank's menu

TEST(Print, FileMenuPrintsTheReportAsTheWindowShowsIt) {
  ASSERT_FALSE(print_check::pdf_directory().empty()) << "no test print queue (BVRANK_PRINT_DIR)";
  Session s;
  ASSERT_TRUE(s.ready()) << s.describe();
  const std::string input = s.copy_data("1hpv.pdb");
  ASSERT_TRUE(choose_file(s.first_dialog(), input));
  const std::string expected = fixtures::expected_report("1hpv.pdb", input);
  ASSERT_TRUE(wait_until([&] { return read_file(s.file("1hpv.out")) == expected; }, kPatience));
  ASSERT_TRUE(sync_with(s.frame()));

  const auto before = print_check::pdf_files();
  const auto start = std::chrono::steady_clock::now();
  post_command(s.frame(), kCmdPrint);
  HWND setup = wait_for_dialog(s.pid(), "Print", kPatience);
  ASSERT_NE(setup, nullptr) << s.describe();
  EXPECT_EQ(owner_of(setup), s.frame());
  press(setup, IDOK);
  const std::string pdf = print_check::wait_for_new_pdf(before, 30000);
  ASSERT_FALSE(pdf.empty()) << "no PDF came out of the queue; " << s.describe();
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  std::cout << "File > Print... to a complete PDF took " << took.count() << " ms\n";
  ASSERT_TRUE(sync_with(s.frame()));
  EXPECT_TRUE(dialogs_of(s.pid()).empty()) << s.describe();

  // The window's virtual screen, saved as a bitmap and read by ImageMagick.
  post_command(s.frame(), kCmdSave);
  HWND save = wait_for_any_dialog(s.pid(), kPatience);
  ASSERT_NE(save, nullptr);
  const std::string bmp = s.file("window.bmp");
  ASSERT_TRUE(choose_file(save, bmp));
  ASSERT_TRUE(sync_with(s.frame()));
  const std::string ppm = s.file("window.ppm");
  const print_check::Gray window = print_check::picture_from(
      "/usr/bin/convert " + print_check::linux_path(bmp) + " " + print_check::linux_path(ppm), ppm);
  ASSERT_EQ(window.width, 695);
  ASSERT_EQ(window.height, 895);

  const print_check::Gray page = print_check::render_pdf(pdf, 100);
  ASSERT_GT(page.width, 0);
  std::string why;
  EXPECT_TRUE(print_check::page_shows_window(page, window, why)) << why;
}

}  // namespace
