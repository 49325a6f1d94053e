// The shell under pressure: commands it does not own reach the MDI frame,
// windows close safely under a writer, scroll state and the caret stay in
// step with output, pixel calls keep to the viewport, no thread waits for
// the GUI thread while holding a lock it needs, unit queries stay cheap,
// and failures are reported instead of vanishing.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "runtime/units.h"
#include "shell/child/child_record_win.h"
#include "shell/child/text_output_win.h"
#include "shell/child/text_services.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/frame/menu_services.h"
#include "shell/frame/menu_table.h"
#include "shell/graphics/graphics_calls.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/unit_services.h"
#include "shell/units/window_table_win.h"
#include "shell_win/background_helpers.h"
#include "shell_win/shell_test_support.h"

// Allocation failure on demand: the next allocation of at least the armed
// size on the arming thread throws.
namespace {
thread_local std::size_t t_fail_from = 0;
}  // namespace

#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
  if (t_fail_from != 0 && n >= t_fail_from) {
    t_fail_from = 0;
    throw std::bad_alloc();
  }
  if (void* p = std::malloc(n != 0 ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

using shell_test::BoxCloser;
using shell_test::settle_gui;
using shell_test::Watchdog;

HWND frame() {
  return shell::shell_state().frame;
}
HWND mdi() {
  return shell::shell_state().mdi_client;
}

rt::IoStatus open_user_unit(int unit, bool iofocus) {
  rt::OpenRequest r;
  r.unit = unit;
  r.file = "USER";
  r.iofocus = iofocus;
  return rt::open_unit(r);
}

// Waits up to two seconds for a box whose text contains `part`.
bool box_seen(BoxCloser& boxes, const std::string& part) {
  for (int i = 0; i < 100; ++i) {
    for (const std::string& t : boxes.texts()) {
      if (t.find(part) != std::string::npos) return true;
    }
    Sleep(20);
  }
  return false;
}

TEST(FrameCommands, CommandsTheShellDoesNotOwnReachTheMdiFrame) {
  shell_test::configure_like_bvrank();
  shell::ChildRecord* r = shell_test::default_record();
  ASSERT_NE(r, nullptr);
  SendMessageA(mdi(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(r->hwnd), 0);
  ASSERT_TRUE(IsZoomed(r->hwnd));
  // The Restore and Minimise buttons at the right of the menu bar.
  SendMessageA(frame(), WM_COMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsZoomed(r->hwnd));
  SendMessageA(mdi(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(r->hwnd), 0);
  SendMessageA(frame(), WM_COMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(r->hwnd));
  SendMessageA(mdi(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(r->hwnd), 0);
  // The window list: the first entry activates the default window.
  ASSERT_TRUE(open_user_unit(10, true).is_ok());
  rt::write_record(10, "another window").or_stop();
  ASSERT_NE(SendMessageA(mdi(), WM_MDIGETACTIVE, 0, 0), reinterpret_cast<LRESULT>(r->hwnd));
  SendMessageA(frame(), WM_COMMAND, shell::kFirstMdiChildId, 0);
  EXPECT_EQ(SendMessageA(mdi(), WM_MDIGETACTIVE, 0, 0), reinterpret_cast<LRESULT>(r->hwnd));
}

TEST(ChildLifetime, DestroyingAWindowWhileAnotherThreadWritesToItIsSafe) {
  shell_test::configure_like_bvrank();
  Watchdog dog("closing windows under a writer", 90);
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    ASSERT_TRUE(open_user_unit(10, false).is_ok());
    rt::write_record(10, "first line").or_stop();
    const int window = GETHANDLEQQ(10);
    HWND hwnd = shell::window_of(window);
    ASSERT_NE(hwnd, nullptr);
    const shell::ChildRecord* r = shell::record_of(window);
    std::atomic<int> results{0};
    std::thread writer([&] {
      // One long record wraps over many rows: the window is destroyed
      // while it is being drawn.
      (void)rt::write_record(10, std::string(200000, 'w'));
      results.fetch_add(1);
      while (rt::write_record(10, "next").is_ok()) {
      }
      results.fetch_add(1);
    });
    while (r->text_position.row < 10) Sleep(0);
    SendMessageA(mdi(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
    // Reuse freed memory at once, so that a record still in use shows.
    std::vector<char*> scribble;
    for (int i = 0; i < 64; ++i) {
      scribble.push_back(new char[sizeof(shell::ChildRecord)]);
      std::memset(scribble.back(), 0xEE, sizeof(shell::ChildRecord));
    }
    writer.join();
    for (char* p : scribble) delete[] p;
    EXPECT_EQ(results.load(), 2);
    EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, nullptr)) << "freed memory was written";
    (void)rt::close_unit(10);
  }
  EXPECT_EQ(shell::open_window_count(), 1);
}

TEST(ChildView, ScrollStateChangesOnlyUnderTheDrawingLock) {
  shell_test::configure_like_bvrank();
  shell::ChildRecord* r = shell_test::default_record();
  ASSERT_NE(r, nullptr);
  SetWindowPos(r->hwnd, nullptr, 0, 0, 300, 300, SWP_NOZORDER | SWP_NOMOVE);
  SendMessageA(r->hwnd, WM_VSCROLL, SB_BOTTOM, 0);
  const int before = r->scroll_y;
  ASSERT_GT(before, 0);
  Watchdog dog("resizing under the drawing lock", 20);
  r->drawing_lock.lock();  // as a program thread drawing a long line
  std::thread resize(
      [&] { SetWindowPos(r->hwnd, nullptr, 0, 0, 600, 600, SWP_NOZORDER | SWP_NOMOVE); });
  Sleep(300);
  EXPECT_EQ(r->scroll_y, before);
  EXPECT_EQ(r->offset_y, before);
  r->drawing_lock.unlock();
  resize.join();
  EXPECT_LT(r->scroll_y, before);
  EXPECT_EQ(r->offset_y, r->scroll_y);
}

TEST(ChildCaret, TextOutputLeavesNoInvertedCell) {
  shell_test::configure_like_bvrank();
  shell::ChildRecord* r = shell_test::default_record();
  ASSERT_NE(r, nullptr);
  const UINT blink = GetCaretBlinkTime();
  SetCaretBlinkTime(20000);  // the caret stays visible for the whole test
  SendMessageA(mdi(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(r->hwnd), 0);
  SetFocus(r->hwnd);  // the input is attached to the GUI thread's
  DISPLAYCURSOR(0);
  SETTEXTPOSITION(1, 1);
  DISPLAYCURSOR(1);
  settle_gui();
  ASSERT_TRUE(r->caret_made);
  OUTTEXT("WWWWWWWW");
  OUTTEXT("\n\nMMMMMMMM");  // and a caret moved over by output that scrolls
  settle_gui();
  HDC screen = GetDC(r->hwnd);
  const int w = 8 * r->cell_width, h = r->cell_height;
  const auto shown = shell_test::pixels_of(screen, -r->scroll_x, -r->scroll_y, w, h);
  ReleaseDC(r->hwnd, screen);
  const auto expected = shell_test::pixels_of(r->memory_dc.get(), 0, 0, w, h);
  SetCaretBlinkTime(blink);
  EXPECT_EQ(shown, expected) << "the first row differs from the virtual screen";
}

// The window's client pixels as the screen shows them. The window's own
// context is also the one painting uses: the capture holds the drawing
// lock, as painting does, so that it never reads a repaint half done.
std::vector<unsigned> client_pixels(shell::ChildRecord* r) {
  RECT client;
  GetClientRect(r->hwnd, &client);
  shell::Locked draw(r->drawing_lock);
  HDC screen = GetDC(r->hwnd);
  auto pixels = shell_test::pixels_of(screen, 0, 0, client.right, client.bottom);
  ReleaseDC(r->hwnd, screen);
  return pixels;
}

TEST(ChildView, OutputInFitModeShowsAfterAResize) {
  shell_test::configure_like_bvrank();
  shell::ChildRecord* r = shell_test::default_record();
  ASSERT_NE(r, nullptr);
  SetWindowPos(r->hwnd, nullptr, 0, 0, 250, 250, SWP_NOZORDER | SWP_NOMOVE);
  SendMessageA(frame(), WM_COMMAND, shell::kCmdSizeToFit, 0);
  ASSERT_TRUE(r->fit);
  SetWindowPos(r->hwnd, nullptr, 0, 0, 600, 600, SWP_NOZORDER | SWP_NOMOVE);
  UpdateWindow(r->hwnd);
  SETTEXTPOSITION(50, 40);
  OUTTEXT("XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX");
  settle_gui();
  UpdateWindow(r->hwnd);
  const auto after_output = client_pixels(r);
  InvalidateRect(r->hwnd, nullptr, FALSE);
  UpdateWindow(r->hwnd);
  const auto repainted = client_pixels(r);
  EXPECT_TRUE(after_output == repainted) << "new text in fit mode was not shown";
}

TEST(Graphics, PixelCallsKeepToTheViewportAfterTextOutput) {
  shell_test::configure_like_bvrank();
  SETTEXTWINDOW(1, 1, 2, 10);
  OUTTEXT("text");
  SETPIXELRGB(400, 400, 0x0000FF);
  EXPECT_EQ(GETPIXELRGB(400, 400), 0x0000FF);
  const std::int16_t xs[] = {300, 301}, ys[] = {500, 500};
  const std::int32_t colours[] = {0x00FF00, 0xFF0000};
  OUTTEXT("more");
  SETPIXELSRGB(2, xs, ys, colours);
  std::int32_t read[2] = {};
  GETPIXELSRGB(2, xs, ys, read);
  EXPECT_EQ(read[0], 0x00FF00);
  EXPECT_EQ(read[1], 0xFF0000);
}

// A user item whose routine runs on the GUI thread after a delay, so that
// the GUI thread needs a lock while the program thread waits for it.
std::atomic<int> g_routine_step{0};
void (*g_routine_action)() = nullptr;
void delayed_routine(std::int32_t*) {
  Sleep(300);
  g_routine_action();
  g_routine_step.store(2);
}

// Destroys the default window behind the bridge's back and lets the GUI
// thread start the routine; the next default-window request then opens a
// window while the GUI thread is busy.
void start_routine_without_default_window(void (*action)()) {
  ASSERT_TRUE(open_user_unit(10, true).is_ok());
  rt::write_record(10, "keeps a child active").or_stop();
  ASSERT_EQ(INSERTMENUQQ(1, 1, 4, "Probe", delayed_routine), 1);
  HWND default_hwnd = shell::window_of(shell::default_window());
  SendMessageA(mdi(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(default_hwnd), 0);
  g_routine_action = action;
  g_routine_step.store(1);
  PostMessageA(frame(), WM_COMMAND, shell::kCmdFirstUser, 0);
  Sleep(50);
}

TEST(LockOrder, OpeningTheDefaultWindowNeverBlocksTheGuiThread) {
  shell_test::configure_like_bvrank();
  Watchdog dog("opening the default window while the GUI thread asks for the active one", 20);
  start_routine_without_default_window([] { shell::wggetactive(); });
  EXPECT_EQ(shell::wgsetactive(shell::kSelectDefaultWindow), 1);
  while (g_routine_step.load() != 2) Sleep(5);
  EXPECT_NE(shell::window_of(shell::default_window()), nullptr);
}

TEST(LockOrder, AUnitInUseNeverBlocksTheGuiThread) {
  shell_test::configure_like_bvrank();
  Watchdog dog("writing the console while the GUI thread writes it too", 20);
  start_routine_without_default_window([] { (void)rt::write_console("from the menu"); });
  EXPECT_TRUE(rt::write_console("from the program").is_ok());
  while (g_routine_step.load() != 2) Sleep(5);
}

TEST(UnitQueries, OnlyOpenOrPreconnectedUnitsHaveWindows) {
  rt::write_console("output without a unit").or_stop();
  const std::size_t known = rt::known_unit_count();
  for (int unit = 100; unit < 1100; ++unit) ASSERT_EQ(GETHANDLEQQ(unit), -1);
  EXPECT_EQ(rt::known_unit_count(), known) << "queries added units to the table";
  EXPECT_EQ(GETHANDLEQQ(-1), -1);
  EXPECT_EQ(GETHWNDQQ(-1), -1);
  EXPECT_EQ(GETHANDLEQQ(-7), -1);
  EXPECT_EQ(GETHANDLEQQ(6), shell::default_window());
}

TEST(Failures, AFailingMenuCallIsReportedAndTheServiceFails) {
  shell_test::configure_like_bvrank();
  BoxCloser boxes;
  shell::ShellState& s = shell::shell_state();
  HMENU real = s.menu_bar;
  HMENU gone = CreateMenu();
  DestroyMenu(gone);
  s.menu_bar = gone;
  const std::int32_t result = APPENDMENUQQ(1, 4, "Probe", NUL);
  s.menu_bar = real;
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(box_seen(boxes, "Internal Error - unexpected error"));
}

TEST(Failures, WriteWithoutMemoryShowsTheBoxAndFails) {
  shell_test::configure_like_bvrank();
  BoxCloser boxes;
  const std::string record(6000, 'm');
  t_fail_from = 5000;
  EXPECT_EQ(shell::Write(record.data(), 6000, shell::default_window(), 0), -1);
  t_fail_from = 0;
  EXPECT_TRUE(box_seen(boxes, "Out of Memory"));
}

TEST(Failures, BoxesAppearWhenTheFrameIsGone) {
  BoxCloser boxes;
  shell::ShellState& s = shell::shell_state();
  HWND real = s.frame;
  HWND gone = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  s.frame = gone;  // as after a failed start-up
  shell::error_box(5, __FILE__, __LINE__);
  s.frame = real;
  EXPECT_TRUE(box_seen(boxes, "Internal Error - unexpected error"));
}

}  // namespace
