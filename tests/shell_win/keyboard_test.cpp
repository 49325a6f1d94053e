// Keyboard input in the real default window: reads on the program thread
// and from a menu routine on the GUI thread, with keys posted to the window
// as a person would type them once the read waits; key waits and their key
// codes; the input-pending state in the status bar and the Input item.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "runtime/units.h"
#include "shell/child/child_record_win.h"
#include "shell/child/child_window_win.h"
#include "shell/child/input_pending_win.h"
#include "shell/child/keyboard_input_win.h"
#include "shell/child/keyboard_services.h"
#include "shell/child/text_services.h"
#include "shell/frame/menu_services.h"
#include "shell/frame/menu_table.h"
#include "shell/frame/program_state_win.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/window_table_win.h"
#include "shell_win/shell_test_support.h"

namespace {

using namespace std::chrono_literals;
using shell_test::screen_lines;
using shell_test::status_message;
using shell_test::wait_until;

bool input_item_enabled() {
  const UINT state = GetMenuState(shell::shell_state().menu_bar, shell::kCmdInput, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

struct Key {
  UINT message;
  WPARAM code;
};

std::vector<Key> chars(const std::string& text) {
  std::vector<Key> keys;
  for (char c : text) keys.push_back(Key{WM_CHAR, static_cast<unsigned char>(c)});
  return keys;
}

// Types keys into a window once input is pending, as a person would after
// seeing the prompt, and notes what the status bar and the Input item showed
// then. A key typed before the read waits would only beep.
class Typist {
 public:
  Typist(HWND target, std::vector<Key> keys, std::chrono::milliseconds patience = 5s)
      : thread_([this, target, keys = std::move(keys), patience] {
          seen_ = wait_until([] { return shell::input_pending(); }, patience);
          if (!seen_) return;
          wait_until([] { return status_message().rfind("Input pending in ", 0) == 0; });
          status_ = status_message();
          input_item_ = input_item_enabled();
          for (const Key& k : keys) PostMessageA(target, k.message, k.code, 1);
        }) {}
  ~Typist() { join(); }
  void join() {
    if (thread_.joinable()) thread_.join();
  }
  bool saw_input_pending() const { return seen_; }
  const std::string& status() const { return status_; }
  bool input_item() const { return input_item_; }

 private:
  bool seen_ = false;
  std::string status_;
  bool input_item_ = false;
  std::thread thread_;
};

class KeyboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shell_test::configure_like_bvrank();
    r = shell_test::default_record();
    ASSERT_NE(r, nullptr);
    hwnd = r->hwnd;
  }

  std::string read(int length) { return shell_test::read_line(length); }

  shell::ChildRecord* r = nullptr;
  HWND hwnd = nullptr;
};

TEST_F(KeyboardTest, LongLineRestComesWithoutWaitingAndTheStatusBarNamesTheWindow) {
  shell::SetStatusText("the program's message");
  {
    Typist typist(hwnd, chars("HELLOWORLD\r"));
    EXPECT_EQ(read(5), "HELLO");
    typist.join();
    EXPECT_EQ(typist.status(), "Input pending in " + r->title);
    EXPECT_TRUE(typist.input_item());
  }
  EXPECT_EQ(screen_lines(*r)[0], "HELLOWORLD");
  // The rest is there at once; a read that waited would get this Enter.
  Typist rescue(hwnd, chars("\r"), 1500ms);
  EXPECT_EQ(read(80), "WORLD");
  rescue.join();
  EXPECT_FALSE(rescue.saw_input_pending());
  EXPECT_TRUE(wait_until([] { return status_message() == "the program's message"; }))
      << status_message();
  EXPECT_FALSE(input_item_enabled());
}

TEST_F(KeyboardTest, BackspaceErasesTheCellInTheBitmapAndTheTextBuffer) {
  SETTEXTPOSITION(3, 1);
  Typist typist(hwnd, chars("AB\bC\b\r"));
  EXPECT_EQ(read(80), "A");
  EXPECT_EQ(screen_lines(*r)[2], "A");
  // The second cell shows only the background colour again, like a cell
  // never written.
  const COLORREF background = GetPixel(r->memory_dc.get(), 20 * r->cell_width, 2 * r->cell_height);
  for (int y = 2 * r->cell_height; y < 3 * r->cell_height; ++y) {
    for (int x = r->cell_width; x < 2 * r->cell_width; ++x) {
      ASSERT_EQ(GetPixel(r->memory_dc.get(), x, y), background) << x << "," << y;
    }
  }
  EXPECT_EQ(GETTEXTPOSITION() >> 16, 2) << "the text position stays after the line";
}

TEST_F(KeyboardTest, ProgramAsksForALineAndAKeyThroughItsUnits) {
  rt::write_console("Your name?").or_stop();
  std::string record;
  {
    Typist typist(hwnd, {Key{WM_CHAR, 'A'}, Key{WM_CHAR, 'd'}, Key{WM_CHAR, 'a'},
                         Key{WM_KEYDOWN, VK_RETURN}});
    rt::read_record(5, record).or_stop();
  }
  EXPECT_EQ(record, "Ada");
  rt::write_console("Thank you").or_stop();
  const auto lines = screen_lines(*r);
  EXPECT_EQ(lines[0], "Your name?");
  EXPECT_EQ(lines[1], "Ada");
  EXPECT_EQ(lines[2], "Thank you");

  Typist typist(hwnd, chars("y"));
  EXPECT_EQ(INCHAR(), 'y');
}

TEST_F(KeyboardTest, KeyWaitsGetTheCodesOfDirectionAndFunctionKeys) {
  EXPECT_EQ(PASSDIRKEYSQQ(1), 0);
  {
    Typist typist(hwnd, {Key{WM_KEYDOWN, VK_UP}});
    EXPECT_EQ(static_cast<std::uint16_t>(INCHAR()), 0xF000 + 0x48);
  }
  EXPECT_EQ(PASSDIRKEYSQQ(0), 1);
  {
    Typist typist(hwnd, {Key{WM_KEYDOWN, VK_F1}});
    EXPECT_EQ(static_cast<std::uint16_t>(INCHAR()), 0xE000 + 59);
  }
  // Ctrl held down: the key state is shared with the window's thread.
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  {
    Typist typist(hwnd, {Key{WM_KEYDOWN, VK_F12}});
    const std::uint16_t code = static_cast<std::uint16_t>(INCHAR());
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(code, 0xE000 + 138);
  }
}

TEST_F(KeyboardTest, CtrlSWithThePauseItemDeletedIsNoKeyAtAll) {
  ASSERT_EQ(DELETEMENUQQ(4, 1), 1);  // State > Pause, by itself
  Typist typist(hwnd, chars("\x13k"));
  EXPECT_EQ(INCHAR(), 'k');
  EXPECT_EQ(shell::GetState(), shell::kProgramStateRunning);
}

std::vector<std::int32_t> g_menu_reads;

void read_from_menu(std::int32_t*) {
  char buffer[80];
  const std::int32_t n = shell::Read(buffer, sizeof buffer, 1024);
  g_menu_reads.push_back(n < 0 ? n : n * 1000 + buffer[0]);
}

TEST_F(KeyboardTest, MenuRoutineReadingWhileAnotherWaitsGetsMinusOne) {
  ASSERT_EQ(INSERTMENUQQ(1, 1, 4, "Ask", read_from_menu), 1);
  HWND frame = shell::shell_state().frame;
  PostMessageA(frame, WM_COMMAND, shell::kCmdFirstUser, 0);
  PostMessageA(frame, WM_COMMAND, shell::kCmdFirstUser, 0);
  Typist typist(hwnd, chars("OK\r"));
  ASSERT_TRUE(wait_until([] { return g_menu_reads.size() == 2; }));
  EXPECT_EQ(g_menu_reads[0], -1) << "the second routine, while the first one's read waits";
  EXPECT_EQ(g_menu_reads[1], 2 * 1000 + 'O');
}

void write_from_menu(std::int32_t*) {
  OUTTEXT("from the menu");
}

TEST_F(KeyboardTest, MenuRoutineWritesWhileTheProgramReadsItsUnit) {
  ASSERT_EQ(INSERTMENUQQ(1, 1, 4, "Write", write_from_menu), 1);
  std::thread user([this] {
    if (!wait_until([] { return shell::input_pending(); })) return;
    PostMessageA(shell::shell_state().frame, WM_COMMAND, shell::kCmdFirstUser, 0);
    wait_until([this] { return screen_lines(*r)[0] == "from the menu"; });
    for (char c : std::string("x\r")) PostMessageA(hwnd, WM_CHAR, c, 1);
  });
  std::string record;
  rt::read_record(5, record).or_stop();
  user.join();
  EXPECT_EQ(record, "x");
  EXPECT_EQ(screen_lines(*r)[0], "from the menux");
}

TEST_F(KeyboardTest, WindowClosedDuringAReadEndsItWithMinusOne) {
  const int window = shell::wgopen("Asking");
  ASSERT_NE(window, shell::kNoWindow);
  HWND asking = shell::window_of(window);
  std::thread closer([asking] {
    if (wait_until([] { return shell::input_pending(); })) shell::destroy_child_window(asking);
  });
  char buffer[80];
  EXPECT_EQ(shell::Read(buffer, sizeof buffer, window), -1);
  closer.join();
  EXPECT_FALSE(shell::input_pending());
  EXPECT_TRUE(wait_until([] { return status_message().empty(); })) << status_message();
  EXPECT_EQ(shell::Read(buffer, sizeof buffer, window), -1);
}

TEST_F(KeyboardTest, CaretFollowsTheEchoOnlyAfterDisplayCursor) {
  SETTEXTPOSITION(5, 1);
  {
    Typist typist(hwnd, chars("ab\r"));
    read(80);
  }
  EXPECT_FALSE(r->caret_made) << "a read does not switch the caret on";
  DISPLAYCURSOR(1);
  Typist typist(hwnd, chars("xyz\r"));
  EXPECT_EQ(read(80), "xyz");
  GUITHREADINFO info = {};  // the caret belongs to the window's thread
  info.cbSize = sizeof info;
  EXPECT_TRUE(wait_until([&] {
    return GetGUIThreadInfo(shell::shell_state().gui_thread_id, &info) && info.hwndCaret == hwnd &&
           info.rcCaret.left == 5 * r->cell_width &&
           info.rcCaret.top == 4 * r->cell_height - r->scroll_y;
  })) << info.rcCaret.left
      << "," << info.rcCaret.top;
}

}  // namespace
