// File > Print... to the test print queue and File > Save... to a bitmap
// file, driven from the program thread as a person would: the command is
// chosen, its dialogs answered, and the page or the file checked against
// the window's virtual screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e/driver.h"
#include "e2e/print_check.h"
#include "runtime/units.h"
#include "shell/child/child_record_win.h"
#include "shell/child/text_services.h"
#include "shell/frame/menu_table.h"
#include "shell/frame/shell_texts.h"
#include "shell/graphics/graphics_calls.h"
#include "shell/graphics/graphics_services.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/unit_services.h"
#include "shell/units/window_table_win.h"
#include "shell_win/shell_test_support.h"

namespace {

using namespace driver;
using print_check::Gray;

// The virtual screen of `r` in grey, from its memory bitmap.
Gray screen_of(shell::ChildRecord& r) {
  Gray g;
  g.width = r.screen_width;
  g.height = r.screen_height;
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = g.width;
  bi.bmiHeader.biHeight = -g.height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(r.memory_dc.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(r.memory_dc.get());
  HGDIOBJ old = SelectObject(dc, dib);
  BitBlt(dc, 0, 0, g.width, g.height, r.memory_dc.get(), 0, 0, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < g.width * g.height; ++i) {
    const std::uint32_t c = p[i];
    g.pixels.push_back(
        static_cast<std::uint8_t>(((c & 0xFF) + (c >> 8 & 0xFF) + (c >> 16 & 0xFF)) / 3));
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(dib);
  return g;
}

class PrintSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shell_test::configure_like_bvrank();
    r = shell_test::default_record();
    ASSERT_NE(r, nullptr);
    frame = shell::shell_state().frame;
    SETBKCOLORRGB(0xFFFFFF);
    CLEARSCREEN(0);
    SETTEXTCOLORRGB(0);
    // Text rows with gaps of different heights: an order and proportions a
    // page must show.
    OUTTEXT("The first line of the window\n\nThree lines down\n\n\n\n\nAfter four blank rows\n");
    for (int i = 0; i < 8; ++i) OUTTEXT("\n");
    OUTTEXT("Near the middle of the virtual screen");
  }
  void TearDown() override { shell::reset_shell_texts(); }

  void choose(int command) { PostMessageA(frame, WM_COMMAND, command, 0); }
  DWORD pid() const { return GetCurrentProcessId(); }
  // Chooses Print and confirms the print-setup dialog.
  void print_with_ok() {
    choose(shell::kCmdPrint);
    HWND setup = wait_for_dialog(pid(), "Print", kPatience);
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(owner_of(setup), frame);
    press(setup, IDOK);
    ASSERT_TRUE(wait_gone(setup, kPatience));
  }

  shell::ChildRecord* r = nullptr;
  HWND frame = nullptr;
};

TEST_F(PrintSaveTest, PrintsTheWholeVirtualScreenAcrossThePage) {
  ASSERT_FALSE(print_check::pdf_directory().empty()) << "no test print queue (BVRANK_PRINT_DIR)";
  SETVIEWORG(40, 300);  // the view origin does not matter: the whole screen prints
  const auto before = print_check::pdf_files();
  print_with_ok();
  const std::string pdf = print_check::wait_for_new_pdf(before, 30000);
  ASSERT_FALSE(pdf.empty()) << "no PDF came out of the queue";
  ASSERT_TRUE(sync_with(frame));
  EXPECT_TRUE(IsWindowEnabled(frame));
  EXPECT_TRUE(dialogs_of(pid()).empty()) << "no message, no printing dialog left";
  const Gray page = print_check::render_pdf(pdf, 100);
  ASSERT_GT(page.width, 0);
  std::string why;
  EXPECT_TRUE(print_check::page_shows_window(page, screen_of(*r), why)) << why;
}

// Presses Cancel in the printing dialog (known by its caption) the moment
// it shows, and notes its texts and whether the frame was disabled while
// it was up.
struct PrintingDialogWatch {
  static inline std::string wanted_caption;
  static inline HHOOK cbt = nullptr, messages = nullptr;
  static inline HWND dialog = nullptr;
  static inline std::string text, button;
  static inline bool frame_disabled = false;

  static std::string text_of(HWND hwnd) {
    char buffer[256] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
  }
  static LRESULT CALLBACK on_cbt(int code, WPARAM wparam, LPARAM lparam) {
    const auto hwnd = reinterpret_cast<HWND>(wparam);
    if (code == HCBT_ACTIVATE && dialog == nullptr &&
        GetWindow(hwnd, GW_OWNER) == shell::shell_state().frame &&
        text_of(hwnd) == wanted_caption) {
      dialog = hwnd;
      text = text_of(GetDlgItem(hwnd, 0xFFFF));
      button = text_of(GetDlgItem(hwnd, IDCANCEL));
      PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(cbt, code, wparam, lparam);
  }
  static LRESULT CALLBACK on_message(int code, WPARAM wparam, LPARAM lparam) {
    const auto* msg = reinterpret_cast<const MSG*>(lparam);
    if (code == HC_ACTION && dialog != nullptr && msg->hwnd == dialog &&
        msg->message == WM_COMMAND) {
      frame_disabled = !IsWindowEnabled(shell::shell_state().frame);
    }
    return CallNextHookEx(messages, code, wparam, lparam);
  }
  explicit PrintingDialogWatch(const std::string& caption) {
    wanted_caption = caption;
    dialog = nullptr;
    const DWORD gui = shell::shell_state().gui_thread_id;
    cbt = SetWindowsHookExA(WH_CBT, on_cbt, nullptr, gui);
    messages = SetWindowsHookExA(WH_GETMESSAGE, on_message, nullptr, gui);
  }
  ~PrintingDialogWatch() {
    UnhookWindowsHookEx(cbt);
    UnhookWindowsHookEx(messages);
  }
};

TEST_F(PrintSaveTest, CancelInThePrintingDialogEndsThePrintAndTheNextPrints) {
  ASSERT_FALSE(print_check::pdf_directory().empty()) << "no test print queue (BVRANK_PRINT_DIR)";
  SETMESSAGEQQ("Druckt ", 18);
  SETMESSAGEQQ("Abbrechen", 19);
  const auto before = print_check::pdf_files();
  {
    PrintingDialogWatch watch("Druckt ");
    print_with_ok();
    ASSERT_TRUE(wait_until([] { return PrintingDialogWatch::dialog != nullptr; }, kPatience));
    ASSERT_TRUE(wait_gone(PrintingDialogWatch::dialog, kPatience));
    ASSERT_TRUE(sync_with(frame));
  }
  EXPECT_EQ(PrintingDialogWatch::text, "Printing In Progress...");
  EXPECT_EQ(PrintingDialogWatch::button, "Abbrechen");
  EXPECT_TRUE(PrintingDialogWatch::frame_disabled);
  EXPECT_TRUE(IsWindowEnabled(frame));
  EXPECT_TRUE(dialogs_of(pid()).empty()) << "a cancelled print shows no message";

  print_with_ok();
  ASSERT_FALSE(print_check::wait_for_new_pdf(before, 30000).empty());
  // The queue prints in order: had the cancelled print reached it, its PDF
  // would be there too.
  EXPECT_EQ(print_check::pdf_files().size(), before.size() + 1);
}

TEST_F(PrintSaveTest, CancellingThePrintSetupDialogShowsNothing) {
  choose(shell::kCmdPrint);
  HWND setup = wait_for_dialog(pid(), "Print", kPatience);
  ASSERT_NE(setup, nullptr);
  press(setup, IDCANCEL);
  ASSERT_TRUE(wait_gone(setup, kPatience));
  ASSERT_TRUE(sync_with(frame));
  EXPECT_TRUE(dialogs_of(pid()).empty());
  EXPECT_TRUE(IsWindowEnabled(frame));
}

// Run with the print queue out of reach (CUPS_SERVER naming no scheduler).
TEST_F(PrintSaveTest, WithoutPrinterOneMessageAndTheProgramGoesOn) {
  for (int round = 0; round < 2; ++round) {
    choose(shell::kCmdPrint);
    HWND box = wait_for_message_box(pid(), kPatience);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(message_box_text(box), "No Default Printer");
    EXPECT_EQ(window_text(box), shell::shell_state().program_name);
    press(box, IDOK);
    ASSERT_TRUE(wait_gone(box, kPatience));
    ASSERT_TRUE(sync_with(frame));
    EXPECT_TRUE(dialogs_of(pid()).empty()) << "one message a print";
  }
  EXPECT_TRUE(IsWindowEnabled(frame));
  OUTTEXT(" and still writing");
  EXPECT_EQ(shell_test::screen_lines(*r)[16],
            "Near the middle of the virtual screen and still writing");
}

// Saves the active child through File > Save... into `path`.
void save_through_menu(HWND frame, const std::string& path) {
  PostMessageA(frame, WM_COMMAND, shell::kCmdSave, 0);
  HWND dialog = wait_for_any_dialog(GetCurrentProcessId(), kPatience);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(owner_of(dialog), frame);
  ASSERT_TRUE(choose_file(dialog, path));
  ASSERT_TRUE(sync_with(frame));
}

TEST_F(PrintSaveTest, SaveWritesTheWholeScreenAsAnIndependentReaderSeesIt) {
  SETVIEWORG(-100, 250);
  SETCOLORRGB(0x0000FF);
  // A red line on row 10 from column 10, in view coordinates.
  for (std::int16_t x = 110; x < 160; ++x) SETPIXELRGB(x, -240, 0x0000FF);
  TempDir dir;
  const std::string path = dir.file("screen");
  save_through_menu(frame, path);
  EXPECT_TRUE(dialogs_of(pid()).empty()) << "no error box";
  ASSERT_TRUE(file_exists(path + ".bmp")) << "the default extension is bmp";
  const std::string ppm = dir.file("screen.ppm");
  const Gray saved =
      print_check::picture_from("/usr/bin/convert " + print_check::linux_path(path + ".bmp") + " " +
                                    print_check::linux_path(ppm),
                                ppm);
  const Gray screen = screen_of(*r);
  ASSERT_EQ(saved.width, 695);
  ASSERT_EQ(saved.height, 895);
  EXPECT_EQ(saved.pixels, screen.pixels);
  EXPECT_EQ(screen.at(10, 10), 255 / 3) << "the line is in the picture";
}

TEST_F(PrintSaveTest, SaveOfAWindowKeptAfterItsUnitClosedKeepsIt) {
  rt::OpenRequest open;
  open.unit = 10;
  open.file = "USER";
  ASSERT_TRUE(rt::open_unit(open).is_ok());
  const int window = GETHANDLEQQ(10);
  rt::write_record(10, "kept").or_stop();
  rt::close_unit(10, rt::CloseStatus::kKeep).or_stop();
  HWND kept = shell::window_of(window);
  ASSERT_NE(kept, nullptr);
  SendMessageA(shell::shell_state().mdi_client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(kept), 0);
  TempDir dir;
  save_through_menu(frame, dir.file("kept.bmp"));
  EXPECT_TRUE(dialogs_of(pid()).empty()) << "no error box";
  shell::ChildRecord* k = shell::record_of(window);
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(read_file(dir.file("kept.bmp")).size(),
            14u + 40 + 1024 +
                static_cast<std::size_t>(k->screen_width + 3) / 4 * 4 *
                    static_cast<std::size_t>(k->screen_height));
  EXPECT_TRUE(k->kept_after_close);
  EXPECT_EQ(window_text(kept), "Unit 10-Closed");
  EXPECT_EQ(shell::wggetactive(), shell::default_window()) << "the active window is unchanged";
}

TEST_F(PrintSaveTest, SaveFilterListFollowsSetMessage) {
  SETMESSAGEQQ("Pictures;*.bmp;Anything;*.*", 7);
  PostMessageA(frame, WM_COMMAND, shell::kCmdSave, 0);
  HWND dialog = wait_for_any_dialog(pid(), kPatience);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(file_type_field(dialog), "Pictures");
  press(dialog, IDCANCEL);
  ASSERT_TRUE(wait_gone(dialog, kPatience));
  ASSERT_TRUE(sync_with(frame));
}

}  // namespace
