// The table of replaceable texts, guarded by one lock: SETMESSAGEQQ may run
// on any thread while the GUI thread reads a text to show it.
#include "shell/frame/shell_texts.h"

#include <array>
#include <mutex>
#include <string_view>

namespace shell {
namespace {

constexpr int kFirstId = 1;
constexpr int kLastId = 21;
constexpr int kUnusedId = 9;

constexpr std::array<std::string_view, kLastId + 1> kInitial = {
    "",
    "Program Terminated with exit code",
    "\nExit Window?",
    "Finished",
    "Paused",
    "Running",
    "Text files(*.txt);*.txt;Data Files(*.dat);*.dat;All Files(*.*);*.*",
    "Bitmap Files(*.bmp);*.bmp;All Files(*.*);*.*",
    "Input pending in ",
    "",
    "Mouse input pending in ",
    "Select Text - ",
    "Select graphics in ",
    "Error! Printing Aborted",
    "Error! Loading printer driver",
    "No Default Printer",
    "No Printer Driver",
    "Print: Printing Error",
    "Printing ",
    "Cancel",
    "Printing In Progress...",
    "Help not available for menu item",
};

bool is_filter(int id) {
  return id == static_cast<int>(ShellText::kTextFilter) ||
         id == static_cast<int>(ShellText::kBitmapFilter);
}

// Keeps whole name-and-pattern pairs of a ";"-separated list.
std::string whole_pairs(std::string_view text) {
  std::string kept;
  std::size_t start = 0;
  int pieces = 0;
  std::size_t pair_end = 0;
  for (;;) {
    const std::size_t semicolon = text.find(';', start);
    const std::size_t end = semicolon == std::string_view::npos ? text.size() : semicolon;
    if (++pieces % 2 == 0) pair_end = end;
    if (semicolon == std::string_view::npos) break;
    start = semicolon + 1;
  }
  return std::string(text.substr(0, pair_end));
}

struct Table {
  std::mutex lock;
  std::array<std::string, kLastId + 1> texts;
  Table() { reset(); }
  void reset() {
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = std::string(kInitial[i]);
  }
};

Table& table() {
  static Table t;
  return t;
}

}  // namespace

std::string shell_text(ShellText id) {
  Table& t = table();
  std::lock_guard<std::mutex> lock(t.lock);
  return t.texts[static_cast<std::size_t>(id)];
}

std::string filter_list(ShellText id) {
  std::string list = shell_text(id);
  if (list.empty()) return list;
  for (char& c : list) {
    if (c == ';') c = '\0';
  }
  list.push_back('\0');
  list.push_back('\0');
  return list;
}

bool set_shell_text(int id, const char* text) {
  if (text == nullptr || id < kFirstId || id > kLastId || id == kUnusedId) return false;
  std::string copy = is_filter(id) ? whole_pairs(text) : std::string(text);
  Table& t = table();
  std::lock_guard<std::mutex> lock(t.lock);
  t.texts[static_cast<std::size_t>(id)] = std::move(copy);
  return true;
}

std::string state_word(int state) {
  switch (state) {
    case 0:
      return shell_text(ShellText::kRunning);
    case 1:
      return shell_text(ShellText::kPaused);
    case 2:
      return shell_text(ShellText::kFinished);
    default:
      return {};
  }
}

void reset_shell_texts() {
  Table& t = table();
  std::lock_guard<std::mutex> lock(t.lock);
  t.reset();
}

}  // namespace shell
