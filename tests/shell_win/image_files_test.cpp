// SAVEIMAGE and LOADIMAGE on the default window, and SETMESSAGEQQ's texts
// in the live status bar.
#include "shell/graphics/image_files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "e2e/driver.h"
#include "shell/child/child_record_win.h"
#include "shell/frame/program_state_win.h"
#include "shell/frame/shell_texts.h"
#include "shell/frame/window_services.h"
#include "shell/graphics/graphics_calls.h"
#include "shell/graphics/graphics_services.h"
#include "shell/graphics/graphics_status.h"
#include "shell/startup/shell_state_win.h"
#include "shell_win/shell_test_support.h"

namespace {

std::int32_t save(const std::string& file, std::int16_t x1, std::int16_t y1, std::int16_t x2,
                  std::int16_t y2) {
  const std::string padded = file + "    ";  // a fixed-length text: trailing blanks
  return SAVEIMAGE(padded.c_str(), static_cast<std::int32_t>(padded.size()), x1, y1, x2, y2);
}

std::int32_t load(const std::string& file, std::int16_t x, std::int16_t y) {
  return LOADIMAGE(file.c_str(), static_cast<std::int32_t>(file.size()), x, y);
}

class ImageFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shell_test::configure_like_bvrank();
    r = shell_test::default_record();
    ASSERT_NE(r, nullptr);
    SETBKCOLORRGB(0xFFFFFF);
    CLEARSCREEN(0);
  }
  void TearDown() override { shell::reset_shell_texts(); }
  shell::ChildRecord* r = nullptr;
  driver::TempDir dir;
};

TEST_F(ImageFilesTest, SavedRectangleLoadsBackElsewhere) {
  for (std::int16_t i = 0; i < 20; ++i) SETPIXELRGB(i, i, 0xFF0000);  // a blue diagonal
  const std::string file = dir.file("diagonal.bmp");
  ASSERT_EQ(save(file, 19, 19, 0, 0), 0) << "corners out of order are put in order";
  EXPECT_EQ(GRSTATUS(), 3);
  EXPECT_EQ(driver::read_file(file).size(), 14u + 40 + 1024 + 20 * 20);
  ASSERT_EQ(load(file, 100, 200), 0);
  EXPECT_EQ(GRSTATUS(), 0);
  EXPECT_EQ(GETPIXELRGB(105, 205), 0xFF0000);
  EXPECT_EQ(GETPIXELRGB(106, 205), 0xFFFFFF);
}

TEST_F(ImageFilesTest, LoadFailuresLeaveTheScreenAlone) {
  SETPIXELRGB(0, 0, 0x00FF00);
  const std::string wide = dir.file("wide.bmp");
  ASSERT_EQ(save(wide, 0, 0, 600, 10), 0);
  // The window shrinks to 500 x 300 pixels: the 601-pixel image is too wide.
  shell::WindowConfig c = shell::default_window_config();
  c.numxpixels = 500;
  c.numypixels = 300;
  if (SETWINDOWCONFIG(c) == 0) SETWINDOWCONFIG(c);
  ASSERT_EQ(r->screen_width, 500);
  SETPIXELRGB(3, 3, 0x123456);
  EXPECT_EQ(load(wide, 0, 0), -1);
  EXPECT_EQ(GRSTATUS(), -13);
  EXPECT_EQ(GETPIXELRGB(3, 3), 0x123456) << "nothing drawn";
  EXPECT_EQ(load(dir.file("missing.bmp"), 0, 0), -1);
  EXPECT_EQ(GRSTATUS(), -10);
  driver::write_file(dir.file("text.bmp"),
                     "not a bitmap at all, but long enough for headers" + std::string(100, '.'));
  EXPECT_EQ(load(dir.file("text.bmp"), 0, 0), -1);
  EXPECT_EQ(GRSTATUS(), -12);
  EXPECT_EQ(save(dir.file("no folder") + "\\x.bmp", 0, 0, 5, 5), -1);
  EXPECT_EQ(GRSTATUS(), -16);
}

TEST_F(ImageFilesTest, LoadingAPaletteImageReplacesTheWindowsPalette) {
  ASSERT_EQ(r->colors, 256);
  const std::string file = dir.file("palette.bmp");
  ASSERT_EQ(save(file, 0, 0, 3, 3), 0);
  std::string bytes = driver::read_file(file);
  ASSERT_EQ(bytes.size(), 54u + 1024 + 16);
  bytes[54 + 4 * 15 + 0] = 0x30;  // entry 15: blue, green, red
  bytes[54 + 4 * 15 + 1] = 0x20;
  bytes[54 + 4 * 15 + 2] = 0x10;
  ASSERT_TRUE(driver::write_file(file, bytes));
  ASSERT_EQ(load(file, 0, 0), 0);
  EXPECT_EQ(r->palette_entries[15].red, 0x10);
  EXPECT_EQ(r->palette_entries[15].blue, 0x30);
}

TEST_F(ImageFilesTest, SetMessageShowsANewStateWordInTheStatusBar) {
  HWND bar = shell::shell_state().status_bar;
  HWND pane = FindWindowExA(bar, nullptr, "Static", nullptr);
  ASSERT_NE(pane, nullptr);
  ASSERT_TRUE(driver::wait_until([&] { return driver::window_text(pane) == "Running"; }, 5000));
  SETMESSAGEQQ("Läuft", 5);
  EXPECT_TRUE(driver::wait_until([&] { return driver::window_text(pane) == "Läuft"; }, 5000));
  SETMESSAGEQQ("ignored", 9);
  SETMESSAGEQQ("ignored", 22);
  EXPECT_EQ(shell::state_word(0), "Läuft");
}

}  // namespace
