// The line editor on a fake screen of a few columns: what the line holds,
// what the screen shows, and when the beep sounds.
#include "shell/child/line_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using shell::EditResult;
using shell::LineEditor;

// A text window `columns` wide that wraps at its right edge.
class FakeScreen : public shell::LineScreen {
 public:
  explicit FakeScreen(int columns, int rows = 4)
      : columns_(columns), rows_(static_cast<std::size_t>(rows), std::string(columns, ' ')) {}

  void echo(std::string_view text) override {
    for (char c : text) {
      cell() = c;
      if (++pos.column > columns_) {
        pos.column = 1;
        ++pos.row;
      }
    }
  }
  bool at_home() const override { return pos.row == 1 && pos.column == 1; }
  void erase_back() override {
    ASSERT_TRUE(shell::move_back_one_cell(pos, columns_));
    cell() = ' ';
  }
  void beep() override { ++beeps; }

  std::string row(int r) const {
    std::string s = rows_[static_cast<std::size_t>(r - 1)];
    return s.erase(s.find_last_not_of(' ') + 1);
  }

  shell::TextPosition pos;
  int beeps = 0;

 private:
  char& cell() {
    return rows_[static_cast<std::size_t>(pos.row - 1)][static_cast<std::size_t>(pos.column - 1)];
  }
  int columns_;
  std::vector<std::string> rows_;
};

EditResult type_all(LineEditor& e, const std::string& keys, FakeScreen& screen) {
  EditResult last = EditResult::kContinue;
  for (char c : keys) last = e.type(static_cast<unsigned char>(c), screen);
  return last;
}

TEST(LineEditor, BackspaceErasesAndEnterEndsTheLine) {
  LineEditor e;
  e.clear();
  FakeScreen screen(80);
  EXPECT_EQ(type_all(e, "AB\bC", screen), EditResult::kContinue);
  EXPECT_EQ(e.type('\r', screen), EditResult::kLineEnd);
  EXPECT_EQ(e.line(), "AC");
  EXPECT_EQ(screen.row(1), "AC");
  EXPECT_EQ(screen.pos.column, 3) << "the line end is not echoed";
  EXPECT_EQ(screen.beeps, 0);

  e.clear();
  EXPECT_EQ(e.type('\n', screen), EditResult::kLineEnd);
  EXPECT_EQ(e.line(), "");
}

TEST(LineEditor, BackspaceFromColumnOneErasesTheLastCellOfTheRowAbove) {
  LineEditor e;
  e.clear();
  FakeScreen screen(4);
  type_all(e, "ABCDE\b\b", screen);
  EXPECT_EQ(e.line(), "ABC");
  EXPECT_EQ(screen.row(1), "ABC");
  EXPECT_EQ(screen.row(2), "");
  EXPECT_EQ(screen.pos.row, 1);
  EXPECT_EQ(screen.pos.column, 4);
}

TEST(LineEditor, BackspaceAtTheTopLeftCellBeepsAndKeepsTheLine) {
  LineEditor e;
  e.clear();
  FakeScreen screen(80);
  type_all(e, "AB", screen);
  screen.pos = shell::TextPosition{};  // the program moved the text position home
  e.type('\b', screen);
  EXPECT_EQ(screen.beeps, 1);
  EXPECT_EQ(e.line(), "AB");

  e.clear();
  e.type('\b', screen);  // an empty line: nothing at all
  EXPECT_EQ(screen.beeps, 1);
}

TEST(LineEditor, TheCharacterAfterAFullLineIsRefused) {
  LineEditor e;
  e.clear();
  FakeScreen screen(200);
  type_all(e, std::string(shell::kLineCapacity, 'x'), screen);
  EXPECT_EQ(screen.beeps, 0);
  e.type('y', screen);
  EXPECT_EQ(screen.beeps, 1);
  EXPECT_EQ(e.line(), std::string(shell::kLineCapacity, 'x'));
  EXPECT_EQ(screen.pos.column, shell::kLineCapacity + 1);
}

TEST(LineEditor, TabAddsEightBlanksAndStopsTwoShortOfTheCapacity) {
  LineEditor e;
  e.clear();
  FakeScreen screen(200);
  e.type('\t', screen);
  EXPECT_EQ(e.line(), std::string(8, ' '));
  EXPECT_EQ(screen.pos.column, 9);

  e.clear();
  screen.pos = shell::TextPosition{};
  type_all(e, std::string(121, 'x'), screen);
  e.type('\t', screen);
  EXPECT_EQ(e.length(), shell::kLineCapacity - 2);
  EXPECT_EQ(screen.pos.column, shell::kLineCapacity - 1) << "only the blanks appended are echoed";
  EXPECT_EQ(screen.beeps, 1);
}

bool high_lead_byte(unsigned char b) {
  return b >= 0x81;
}

TEST(LineEditor, DoubleByteCharactersGoInAndOutAsPairs) {
  LineEditor e(high_lead_byte);
  e.clear();
  FakeScreen screen(80);
  e.type('A', screen);
  e.type(0x82, screen);
  EXPECT_EQ(screen.pos.column, 2) << "a lead byte waits for its second byte";
  e.type('b', screen);
  EXPECT_EQ(e.line(),
            "A\x82"
            "b");
  EXPECT_EQ(screen.pos.column, 4);
  e.type('\b', screen);
  EXPECT_EQ(e.line(), "A");
  EXPECT_EQ(screen.row(1), "A");

  e.clear();
  type_all(e, std::string(shell::kLineCapacity - 3, 'x'), screen);
  e.type(0x82, screen);
  e.type('b', screen);
  EXPECT_EQ(screen.beeps, 1) << "a pair needs more room than a single byte";
  EXPECT_EQ(e.length(), shell::kLineCapacity - 3);
}

}  // namespace
