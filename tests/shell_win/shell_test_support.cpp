// Shell test helpers.
#include "shell_win/shell_test_support.h"

#include "shell/child/child_record_win.h"
#include "shell/frame/window_services.h"
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

}  // namespace shell_test
