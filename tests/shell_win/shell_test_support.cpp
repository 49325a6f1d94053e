// Shell test helpers.
#include "shell_win/shell_test_support.h"

#include <filesystem>
#include <thread>

#include "analysis/input_file.h"
#include "analysis/read_pdb.h"
#include "runtime/units.h"
#include "shell/child/child_record_win.h"
#include "shell/child/keyboard_input_win.h"
#include "shell/frame/window_services.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/window_table_win.h"

namespace shell_test {

shell::ChildRecord* default_record() {
  return shell::record_of(shell::default_window());
}

std::vector<std::string> screen_lines(const shell::ChildRecord& r) {
  std::vector<std::string> lines(static_cast<std::size_t>(r.text_rows));
  for (const shell::TextRowEntry& e : r.text_buffer.entries()) {
    if (e.row < 1 || e.row > r.text_rows) continue;
    std::string line(static_cast<std::size_t>(e.first_column - 1), ' ');
    if (!e.empty_record) line += e.chars;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    lines[static_cast<std::size_t>(e.row - 1)] = line;
  }
  return lines;
}

std::string window_title(HWND hwnd) {
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

std::int32_t configure_like_bvrank() {
  shell::WindowConfig c = shell::default_window_config();
  c.numxpixels = 695;
  c.numypixels = 895;
  c.title[0] = ' ';
  c.title[1] = '\0';
  const std::int32_t first = SETWINDOWCONFIG(c);
  if (first == 0) SETWINDOWCONFIG(c);
  return first;
}

std::string analyse_copy(const std::string& stem) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("bvrank-shell-" + stem);
  std::filesystem::create_directories(dir);
  const std::filesystem::path input = dir / (stem + ".pdb");
  std::filesystem::copy_file(std::string(BVRANK_TEST_DATA) + "/" + stem + ".pdb", input,
                             std::filesystem::copy_options::overwrite_existing);
  std::filesystem::permissions(input, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  const std::string path = input.string();
  if (!bvrank::set_input_name(path)) return {};
  std::int32_t status = 0;
  bvrank::READ_PDB(status);
  rt::finish();
  return status == bvrank::kStatusDone ? path : std::string();
}

bool wait_until(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

std::string read_line(int length) {
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '#');
  const std::int32_t n = shell::Read(buffer.data(), length, 1024);
  return n < 0 ? "<-1>" : std::string(buffer.data(), static_cast<std::size_t>(n));
}

std::string status_word() {
  return window_title(GetDlgItem(shell::shell_state().status_bar, 1));
}

std::string status_message() {
  return window_title(GetDlgItem(shell::shell_state().status_bar, 2));
}

}  // namespace shell_test
