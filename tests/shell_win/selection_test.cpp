// Selection, copy and paste in the real default window, and the program's
// mouse events. Select mode pauses the program, and so this test's own
// thread: the person's part (menu commands, keys, clicks, and what the
// window shows meanwhile) is played by a thread of its own that the shell
// does not know, while the test thread waits.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "e2e/driver.h"
#include "shell/child/child_record_win.h"
#include "shell/child/input_pending_win.h"
#include "shell/child/text_services.h"
#include "shell/edit/mouse_services.h"
#include "shell/frame/menu_table.h"
#include "shell/graphics/graphics_calls.h"
#include "shell/startup/shell_state_win.h"
#include "shell_win/shell_test_support.h"

namespace {

using namespace std::chrono_literals;
using driver::clipboard_text;
using shell_test::read_line;
using shell_test::status_message;
using shell_test::status_word;
using shell_test::wait_until;
using shell_test::window_title;

void command(int id) {
  PostMessageA(shell::shell_state().frame, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

bool grey(int id) {
  const UINT state =
      GetMenuState(shell::shell_state().menu_bar, static_cast<UINT>(id), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) != 0;
}

// The person, on a thread of their own; joined before the test checks.
class User {
 public:
  explicit User(std::function<void()> steps) : thread_(std::move(steps)) {}
  ~User() { join(); }
  void join() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::thread thread_;
};

class SelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shell_test::configure_like_bvrank();
    r = shell_test::default_record();
    ASSERT_NE(r, nullptr);
    hwnd = r->hwnd;
    // The real pointer away from the window: it sends no moves of its own.
    SetCursorPos(1270, 1010);
  }

  bool caption_starts(const std::string& prefix) {
    return wait_until([&] { return window_title(hwnd).rfind(prefix, 0) == 0; });
  }
  bool running_again() {
    return wait_until([] { return status_word() == "Running"; });
  }
  void post(UINT msg, WPARAM wparam, int x, int y) {
    PostMessageA(hwnd, msg, wparam, MAKELPARAM(x, y));
  }

  struct Mouse {
    UINT msg;
    int x, y;
  };
  // Select Text, the left button as `messages` move it, Copy; true when
  // select mode ended with the program running again.
  bool mark_with_mouse_and_copy(const std::vector<Mouse>& messages) {
    bool running = false;
    User user([&] {
      command(shell::kCmdSelectText);
      if (!caption_starts("Mark Text - ")) return;
      for (const Mouse& m : messages) post(m.msg, m.msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, m.x, m.y);
      if (!caption_starts("Select Text - ")) return;
      if (!wait_until([] { return !grey(shell::kCmdCopy); })) return;
      command(shell::kCmdCopy);
      running = running_again();
    });
    user.join();
    return running;
  }

  shell::ChildRecord* r = nullptr;
  HWND hwnd = nullptr;
};

TEST_F(SelectionTest, SelectAllAndCopyOfAReportPutTheWindowsTextOnTheClipboard) {
  ASSERT_FALSE(shell_test::analyse_copy("1hpv").empty());
  std::vector<std::string> lines = shell_test::screen_lines(*r);
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  ASSERT_GT(lines.size(), 40u);
  std::string expected;
  for (const std::string& line : lines) expected += line + "\r\n";

  bool paused = false, selecting = false, copy_enabled = false, select_grey = false;
  bool running = false;
  User user([&] {
    command(shell::kCmdSelectAll);
    paused = wait_until([] { return status_word() == "Paused"; });
    selecting = caption_starts("Select Text - ");
    copy_enabled = wait_until([] { return !grey(shell::kCmdCopy); });
    select_grey = grey(shell::kCmdSelectText) && grey(shell::kCmdPaste);
    command(shell::kCmdCopy);
    running = running_again();
  });
  user.join();
  EXPECT_TRUE(paused);
  EXPECT_TRUE(selecting);
  EXPECT_TRUE(copy_enabled);
  EXPECT_TRUE(select_grey);
  EXPECT_TRUE(running) << "Copy ends select mode and resumes the program";
  EXPECT_EQ(clipboard_text(), expected);
  EXPECT_EQ(window_title(hwnd), r->title);
  EXPECT_TRUE(grey(shell::kCmdCopy));
}

TEST_F(SelectionTest, ShiftAndAHeldArrowMarkTextOnTheScreenOnlyAndResumeEndsSelectMode) {
  OUTTEXT("ABCDEFGHIJ");
  const COLORREF bitmap_before = GetPixel(r->memory_dc.get(), 0, 0);
  bool marking = false, copy_grey_at_first = false, copy_enabled = false;
  COLORREF bitmap_during = 0, screen_during = 0;
  bool running = false, resumed = false, caption_back = false;
  User user([&] {
    command(shell::kCmdSelectText);
    marking = caption_starts("Mark Text - ");
    copy_grey_at_first = grey(shell::kCmdCopy);
    post(WM_KEYDOWN, VK_SHIFT, 0, 0);
    for (int i = 0; i < 3; ++i) post(WM_KEYDOWN, VK_RIGHT, 0, 0);  // held: 1, 2, 3 cells
    post(WM_KEYUP, VK_RIGHT, 0, 0);
    post(WM_KEYUP, VK_SHIFT, 0, 0);
    copy_enabled = wait_until([] { return !grey(shell::kCmdCopy); });
    HDC dc = GetDC(hwnd);
    screen_during = GetPixel(dc, 0, 0);
    ReleaseDC(hwnd, dc);
    bitmap_during = GetPixel(r->memory_dc.get(), 0, 0);
    command(shell::kCmdCopy);
    running = running_again();
    // A second selection, ended by Resume instead.
    command(shell::kCmdSelectText);
    const bool again = caption_starts("Mark Text - ");
    command(shell::kCmdResume);
    resumed = again && running_again();
    caption_back = wait_until([&] { return window_title(hwnd) == r->title; });
  });
  user.join();
  EXPECT_TRUE(marking);
  EXPECT_TRUE(copy_grey_at_first) << "only the marker is shown";
  EXPECT_TRUE(copy_enabled);
  EXPECT_EQ(bitmap_during, bitmap_before) << "the highlight never reaches the bitmap";
  EXPECT_NE(screen_during, bitmap_before) << "the highlight is on the screen";
  EXPECT_TRUE(running);
  EXPECT_EQ(clipboard_text(), "ABCDEFG");
  EXPECT_TRUE(resumed);
  EXPECT_TRUE(caption_back);
}

TEST_F(SelectionTest, MousePressSnapsToTheNearerBoundaryAndTheReleaseTakesItsCell) {
  OUTTEXT("ABCDEFGHIJ");
  const int w = r->cell_width, h = r->cell_height;
  ASSERT_TRUE(mark_with_mouse_and_copy({{WM_LBUTTONDOWN, 2 * w + w / 2, h / 2},  // middle of cell 3
                                        {WM_MOUSEMOVE, 6 * w + 1, h / 2},        // inside cell 7
                                        {WM_LBUTTONUP, 6 * w + 1, h / 2}}));
  EXPECT_EQ(clipboard_text(), "DEFG");
}

TEST_F(SelectionTest, DraggingBelowTheWindowScrollsItAndTheReleaseThereIsHeldOnItsEdge) {
  for (int i = 1; i <= 50; ++i) OUTTEXT(("line " + std::to_string(i) + "\n").c_str());
  ASSERT_EQ(r->scroll_y, 0);
  const int below = r->view_height + 40;
  ASSERT_TRUE(mark_with_mouse_and_copy(
      {{WM_LBUTTONDOWN, 1, 1}, {WM_MOUSEMOVE, 1, below}, {WM_LBUTTONUP, 1, below}}));
  ASSERT_GT(r->scroll_y, 0) << "the drag scrolled the window";
  // The end lies on the bottom row shown, in its first cell.
  const int last_row = (r->view_height - 1 + r->scroll_y) / r->cell_height + 1;
  std::string rows;
  for (int i = 1; i < last_row; ++i) rows += "line " + std::to_string(i) + "\r\n";
  EXPECT_EQ(clipboard_text(), rows + "l");
}

TEST_F(SelectionTest, GraphicsSelectionCopiesABitmapOfItsSizeWithThePalette) {
  SETPIXELRGB(5, 5, 0x0000FF);
  bool running = false;
  User user([&] {
    command(shell::kCmdSelectAll);
    if (!caption_starts("Select graphics in ")) return;
    command(shell::kCmdCopy);
    running = running_again();
  });
  user.join();
  ASSERT_TRUE(running);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_PALETTE));
  auto picture = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAP info = {};
  ASSERT_NE(picture, nullptr);
  ASSERT_NE(GetObjectA(picture, sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, r->screen_width);
  EXPECT_EQ(info.bmHeight, r->screen_height);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture);
  EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
  SelectObject(dc, old);
  DeleteDC(dc);
  CloseClipboard();
}

TEST_F(SelectionTest, PasteFeedsTwoReadsThenClearsItsStatusAndClearPaste) {
  ASSERT_TRUE(driver::set_clipboard_text("HELLO\r\nWORLD\r\n"));
  bool pending_shown = false;
  // The first read already waits when the text is pasted.
  User user([&] {
    if (!wait_until([] { return shell::input_pending(); })) return;
    command(shell::kCmdPaste);
  });
  EXPECT_EQ(read_line(80), "HELLO");
  user.join();
  pending_shown = wait_until([] { return status_message() == "Paste input pending"; });
  EXPECT_TRUE(pending_shown) << status_message();
  EXPECT_FALSE(grey(shell::kCmdClearPaste));
  EXPECT_EQ(read_line(80), "WORLD") << "taken at once";
  EXPECT_TRUE(wait_until([] { return status_message().empty(); })) << status_message();
  EXPECT_TRUE(grey(shell::kCmdClearPaste));
  EXPECT_EQ(shell_test::screen_lines(*r)[0], "HELLOWORLD");
}

TEST_F(SelectionTest, ClearPasteDropsThePastedRest) {
  ASSERT_TRUE(driver::set_clipboard_text("ONE\nTWO\n"));
  command(shell::kCmdPaste);
  ASSERT_TRUE(wait_until([] { return status_message() == "Paste input pending"; }));
  EXPECT_EQ(read_line(80), "ONE");
  command(shell::kCmdClearPaste);
  EXPECT_TRUE(wait_until([] { return status_message().empty(); }));
  EXPECT_TRUE(grey(shell::kCmdClearPaste));
  User typist([this] {
    if (wait_until([] { return shell::input_pending(); })) PostMessageA(hwnd, WM_CHAR, 'x', 1);
    PostMessageA(hwnd, WM_CHAR, '\r', 1);
  });
  EXPECT_EQ(read_line(80), "x");
}

std::vector<std::int32_t> g_click;

void on_click(std::int32_t* unit, std::int32_t* event, std::int32_t* keys, std::int32_t* x,
              std::int32_t* y) {
  g_click = {*unit, *event, *keys, *x, *y};
}

TEST_F(SelectionTest, MouseServiceResults) {
  EXPECT_EQ(REGISTERMOUSEEVENTQQ(0, 0, on_click), -1);
  EXPECT_EQ(REGISTERMOUSEEVENTQQ(0, shell::kMouseLeftDown, on_click), 0);
  EXPECT_EQ(REGISTERMOUSEEVENTQQ(0, shell::kMouseLeftDown, on_click), 1);
  EXPECT_EQ(REGISTERMOUSEEVENTQQ(77, shell::kMouseLeftDown, on_click), -2) << "no window";
  EXPECT_EQ(UNREGISTERMOUSEEVENTQQ(0, 0), -1);
  EXPECT_EQ(UNREGISTERMOUSEEVENTQQ(0, shell::kMouseLeftDown), 0);
  std::int32_t keys = 0, x = 0, y = 0;
  EXPECT_EQ(WAITONMOUSEEVENTQQ(0, keys, x, y), -1);
  EXPECT_EQ(SETDBLCLKINTERVALQQ(0), 4);
  EXPECT_EQ(GetDoubleClickTime(), 500u);
  EXPECT_EQ(SETDBLCLKINTERVALQQ(2000), 0);
  EXPECT_EQ(GetDoubleClickTime(), 2000u);
  SETDBLCLKINTERVALQQ(500);
}

TEST_F(SelectionTest, PostedClickReachesTheRoutineWithTheUnitAndVirtualScreenPosition) {
  SendMessageA(hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
  ASSERT_GT(r->scroll_y, 0);
  ASSERT_EQ(REGISTERMOUSEEVENTQQ(0, shell::kMouseLeftDown, on_click), 0);
  post(WM_LBUTTONDOWN, MK_LBUTTON, 30, 40);
  ASSERT_TRUE(wait_until([] { return !g_click.empty(); }));
  EXPECT_EQ(g_click, (std::vector<std::int32_t>{0, shell::kMouseLeftDown, MK_LBUTTON,
                                                30 + r->scroll_x, 40 + r->scroll_y}));
}

TEST_F(SelectionTest, MouseWaitReturnsTheBitThatEndedIt) {
  std::string status;
  User user([&] {
    if (!wait_until([] { return shell::input_pending(); })) return;
    wait_until([] { return status_message().rfind("Mouse input pending in ", 0) == 0; });
    status = status_message();
    post(WM_LBUTTONUP, 0, 1, 1);  // not waited for
    post(WM_RBUTTONUP, MK_SHIFT, 5, 6);
  });
  std::int32_t keys = 0, x = 0, y = 0;
  const std::int32_t bit =
      WAITONMOUSEEVENTQQ(shell::kMouseRightUp | shell::kMouseLeftDoubleClick, keys, x, y);
  user.join();
  EXPECT_EQ(bit, shell::kMouseRightUp);
  EXPECT_EQ(keys, MK_SHIFT);
  EXPECT_EQ(x, 5 + r->scroll_x);
  EXPECT_EQ(y, 6 + r->scroll_y);
  EXPECT_EQ(status, "Mouse input pending in " + r->title);
  EXPECT_FALSE(shell::input_pending());
}

}  // namespace
