// The text buffer: merging writes into row entries, the empty-record flag,
// and how entries follow scrolls of full-width and narrower text windows.
#include "shell/child/text_buffer.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using shell::TextBuffer;
using shell::TextWindow;

struct Write {
  int column;
  const char* text;
};

// The buffer as row -> (first column, characters), for whole-buffer checks.
std::map<int, std::pair<int, std::string>> rows_of(const TextBuffer& b) {
  std::map<int, std::pair<int, std::string>> out;
  int previous = 0;
  for (const auto& e : b.entries()) {
    EXPECT_GT(e.row, previous) << "entries sorted, one per row";
    EXPECT_EQ(e.end_column - e.first_column, static_cast<int>(e.chars.size()));
    previous = e.row;
    out[e.row] = {e.first_column, e.chars};
  }
  return out;
}

TEST(TextBufferAdd, MergesWritesOnOneRow) {
  struct Case {
    const char* name;
    std::vector<Write> writes;
    int first;  // 0: no entry
    const char* chars;
  };
  const Case cases[] = {
      {"single", {{3, "AB"}}, 3, "AB"},
      {"overwrite middle", {{1, "ABCDE"}, {2, "xy"}}, 1, "AxyDE"},
      {"gap becomes blanks", {{1, "AB"}, {6, "C"}}, 1, "AB   C"},
      {"earlier start", {{5, "CD"}, {2, "A"}}, 2, "A  CD"},
      {"trailing blanks cut", {{1, "AB   "}}, 1, "AB"},
      {"leading blanks kept", {{1, "  AB"}}, 1, "  AB"},
      {"blanks over the end shorten it", {{1, "ABCD"}, {3, "  "}}, 1, "AB"},
      {"all blanks remove the entry", {{1, "ABCD"}, {1, "    "}}, 0, ""},
      {"blank-only write adds nothing", {{4, "   "}}, 0, ""},
      {"cut at the right column", {{8, "ABCDE"}}, 8, "ABC"},
      {"wholly right of it", {{11, "AB"}}, 0, ""},
      {"left of column 1 dropped", {{-1, "ABC"}}, 1, "C"},
  };
  for (const Case& c : cases) {
    TextBuffer b;
    for (const Write& w : c.writes) b.add(7, w.column, w.text, 10);
    const auto* e = b.find(7);
    if (c.first == 0) {
      EXPECT_EQ(e, nullptr) << c.name;
      EXPECT_TRUE(b.entries().empty()) << c.name;
      continue;
    }
    ASSERT_NE(e, nullptr) << c.name;
    EXPECT_EQ(e->first_column, c.first) << c.name;
    EXPECT_EQ(e->chars, c.chars) << c.name;
    EXPECT_EQ(e->end_column, c.first + static_cast<int>(e->chars.size())) << c.name;
    EXPECT_FALSE(e->empty_record) << c.name;
  }
}

TEST(TextBufferAdd, KeepsRowsSortedAndClears) {
  TextBuffer b;
  b.add(5, 1, "five", 80);
  b.add(2, 1, "two", 80);
  b.add(9, 1, "nine", 80);
  b.add(5, 6, "!", 80);
  EXPECT_EQ(rows_of(b), (std::map<int, std::pair<int, std::string>>{
                            {2, {1, "two"}}, {5, {1, "five !"}}, {9, {1, "nine"}}}));
  EXPECT_EQ(b.find(3), nullptr);
  b.clear();
  EXPECT_TRUE(b.entries().empty());
}

TEST(TextBufferAdd, EmptyRecordFlagsOnlyRowsWithoutText) {
  TextBuffer b;
  b.add(1, 1, " ", 80, true);
  const auto* e = b.find(1);
  ASSERT_NE(e, nullptr);
  EXPECT_TRUE(e->empty_record);
  EXPECT_EQ(e->chars, " ");
  EXPECT_EQ(e->end_column, 2);

  b.add(1, 4, "   ", 80);  // blanks leave it an empty line
  EXPECT_TRUE(b.find(1)->empty_record);

  b.add(1, 3, "X", 80);  // real text: the row must not read as empty
  EXPECT_FALSE(b.find(1)->empty_record);
  EXPECT_EQ(b.find(1)->chars, "  X");

  b.add(2, 1, "AB", 80);
  b.add(2, 1, " ", 80, true);  // an empty write onto text overwrites one cell
  EXPECT_FALSE(b.find(2)->empty_record);
  EXPECT_EQ(b.find(2)->chars, " B");

  b.add(3, 81, " ", 80, true);  // beyond the window's right column: not stored
  EXPECT_EQ(b.find(3), nullptr);
}

TEST(TextBufferScroll, FullWidthWindowMovesWholeEntries) {
  // Rows 1 and 6 lie outside the window (rows 2..5).
  auto filled = [] {
    TextBuffer b;
    for (int row = 1; row <= 6; ++row)
      b.add(row, 1, std::string(1, static_cast<char>('0' + row)), 20);
    b.add(3, 5, " ", 20, true);
    return b;
  };
  const TextWindow w{2, 1, 5, 20};
  using Rows = std::map<int, std::pair<int, std::string>>;

  TextBuffer up = filled();
  up.scroll(w, 1, 20);
  EXPECT_EQ(rows_of(up),
            (Rows{{1, {1, "1"}}, {2, {1, "3"}}, {3, {1, "4"}}, {4, {1, "5"}}, {6, {1, "6"}}}));

  TextBuffer down = filled();
  down.scroll(w, -2, 20);  // down two rows: the window's top two rows are empty
  EXPECT_EQ(rows_of(down), (Rows{{1, {1, "1"}}, {4, {1, "2"}}, {5, {1, "3"}}, {6, {1, "6"}}}));

  TextBuffer all = filled();
  all.scroll(w, 4, 20);
  EXPECT_EQ(rows_of(all), (Rows{{1, {1, "1"}}, {6, {1, "6"}}}));

  TextBuffer none = filled();
  none.scroll(w, 0, 20);
  EXPECT_EQ(rows_of(none), rows_of(filled()));
}

TEST(TextBufferScroll, NarrowWindowMovesOnlyItsColumns) {
  // Window: rows 1..3, columns 4..6 of a 10-column screen.
  const TextWindow w{1, 4, 3, 6};
  using Rows = std::map<int, std::pair<int, std::string>>;
  auto filled = [] {
    TextBuffer b;
    b.add(1, 1, "abcdefghij", 10);
    b.add(2, 1, "ABCDEFGHIJ", 10);
    b.add(3, 4, "XY", 10);
    b.add(4, 1, "outside", 10);
    return b;
  };

  TextBuffer up = filled();
  up.scroll(w, 1, 10);
  EXPECT_EQ(rows_of(up), (Rows{{1, {1, "abcDEFghij"}},
                               {2, {1, "ABCXY GHIJ"}},
                               {4, {1, "outside"}}}));  // row 3 held only XY: gone

  TextBuffer down = filled();
  down.scroll(w, -1, 10);
  EXPECT_EQ(rows_of(down), (Rows{{1, {1, "abc   ghij"}},
                                 {2, {1, "ABCdefGHIJ"}},
                                 {3, {4, "DEF"}},  // row 2's part lands on an empty row
                                 {4, {1, "outside"}}}));

  TextBuffer flagged;
  flagged.add(2, 5, " ", 10, true);
  flagged.scroll(w, 1, 10);
  ASSERT_NE(flagged.find(1), nullptr);
  EXPECT_TRUE(flagged.find(1)->empty_record);  // the empty line moves with its row
  EXPECT_EQ(flagged.find(2), nullptr);
}

}  // namespace
