// Program items chosen through the real File menu with the keys a user
// presses (Alt+F, then the item's letter): an item greyed as at the end of
// the program does nothing, an enabled one runs its routine once.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>

#include "shell/frame/menu_bar_win.h"
#include "shell/frame/menu_services.h"
#include "shell/startup/shell_state_win.h"

namespace {

std::atomic<int> g_greyed_runs{0};
std::atomic<int> g_enabled_runs{0};

void greyed_routine(std::int32_t*) {
  ++g_greyed_runs;
}
void enabled_routine(std::int32_t*) {
  ++g_enabled_runs;
}

// Polls `done` for up to ten seconds: the menu runs on the GUI thread.
bool wait_until(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Sleep(10);
  }
  return true;
}

bool menu_shown() {
  HWND popup = FindWindowA("#32768", nullptr);
  return popup != nullptr && IsWindowVisible(popup);
}

// Opens the File menu and types `letter` in it; true when the menu opened
// and closed again. The letter is typed only once the menu shows, as the
// menu takes keys only then.
bool choose_in_file_menu(char letter) {
  HWND frame = shell::shell_state().frame;
  PostMessageA(frame, WM_SYSCOMMAND, SC_KEYMENU, 'f');
  if (!wait_until(menu_shown)) return false;
  PostMessageA(frame, WM_CHAR, static_cast<WPARAM>(letter), 1);
  if (wait_until([] { return !menu_shown(); })) return true;
  SendMessageA(frame, WM_CANCELMODE, 0, 0);
  return false;
}

TEST(MenuChoice, GreyedProgramItemDoesNothingAndAnEnabledOneRunsOnce) {
  ASSERT_EQ(INSERTMENUQQ(1, 1, 4, "&Greyed", greyed_routine), 1);
  shell::grey_program_items();  // what the end of the program does
  ASSERT_EQ(INSERTMENUQQ(1, 2, 4, "&Enabled", enabled_routine), 1);

  ASSERT_TRUE(choose_in_file_menu('g'));
  ASSERT_TRUE(choose_in_file_menu('e'));
  // Commands run in the order they were chosen: once the second has run, a
  // command of the first would have run before it.
  ASSERT_TRUE(wait_until([] { return g_enabled_runs.load() > 0; }));
  EXPECT_EQ(g_greyed_runs.load(), 0);
  EXPECT_EQ(g_enabled_runs.load(), 1);
}

}  // namespace
