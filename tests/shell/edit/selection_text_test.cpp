// Clipboard text of text selections: which rows give text, where CR LF
// goes, rows of empty writes, and the zero byte at the end.
#include "shell/edit/selection_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using shell::SelectPoint;
using shell::TextBuffer;

// Rows 2 to 5 of an 80-column screen: row 4 never written, row 6 an empty
// write; row 3 starts at column 5.
TextBuffer sample() {
  TextBuffer b;
  b.add(2, 1, "first line", 80);
  b.add(3, 5, "indented", 80);
  b.add(5, 1, "fifth", 80);
  b.add(6, 1, " ", 80, true);
  b.add(7, 1, "seventh", 80);
  return b;
}

TEST(ClipboardText, RowRules) {
  struct Case {
    const char* name;
    SelectPoint anchor, end;  // 0-based cells
    const char* text;
  };
  const Case cases[] = {
      {"rows without entries give nothing", {0, 1}, {79, 4}, "first line\r\n    indented\r\nfifth"},
      {"first row from its column, last to its column",
       {6, 1},
       {2, 4},
       "line\r\n    indented\r\nfif"},
      {"corners in either order", {2, 4}, {6, 1}, "line\r\n    indented\r\nfif"},
      {"empty write inside rows is an empty line", {0, 4}, {79, 6}, "fifth\r\n\r\nseventh"},
      {"empty write as the last row", {0, 4}, {3, 5}, "fifth\r\n\r\n"},
      {"empty write as the only row", {0, 5}, {9, 5}, ""},
      {"one row ending inside the text", {3, 1}, {6, 1}, "st l"},
      {"one row reaching past the text", {3, 1}, {20, 1}, "st line\r\n"},
      {"one row ending on the last character", {0, 1}, {9, 1}, "first line"},
      {"blanks before the text", {1, 2}, {4, 2}, "   i"},
      {"no entry at all", {0, 3}, {79, 3}, ""},
  };
  const TextBuffer b = sample();
  for (const Case& c : cases) {
    const std::string text = shell::clipboard_text(b, c.anchor, c.end);
    ASSERT_FALSE(text.empty()) << c.name;
    EXPECT_EQ(text.back(), '\0') << c.name;
    EXPECT_EQ(text.substr(0, text.size() - 1), c.text) << c.name;
  }
}

TEST(ClipboardText, PressInTheMiddleOfCell3AndReleaseInCell7) {
  // The press snaps to the boundary before cell 4, the release takes cell 7.
  shell::SelectView v;
  v.text_columns = 80;
  v.text_rows = 25;
  const SelectPoint from = shell::press_point(shell::SelectKind::kText, 2 * 8 + 4, 20, v);
  const SelectPoint to = shell::drag_point(shell::SelectKind::kText, 6 * 8 + 3, 20, v);
  TextBuffer b;
  b.add(2, 1, "ABCDEFGHIJ", 80);
  EXPECT_EQ(shell::clipboard_text(b, from, to), std::string("DEFG") + '\0');
  TextBuffer shorter;
  shorter.add(2, 1, "ABCDEF", 80);
  EXPECT_EQ(shell::clipboard_text(shorter, from, to), std::string("DEF\r\n") + '\0');
}

}  // namespace
