// Text layout on a fake terminal that does what the Win32 glue does: draws
// segments into a character screen clipped to the text window, stores them
// in a TextBuffer, and scrolls both.
#include "shell/child/text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using shell::TextPosition;
using shell::TextWindow;

class FakeTerminal : public shell::TextOutputTarget {
 public:
  FakeTerminal(int rows, int columns, TextWindow w)
      : columns_(columns), w_(w), screen_(rows, std::string(columns, '.')) {}

  // Writes like OUTTEXT (or OUTMEM without control characters).
  void write(std::string_view text, bool wrap = true, bool control = true) {
    shell::lay_out_text(text, w_, wrap, control, pos, *this);
  }

  void draw_segment(int abs_row, int abs_column, std::string_view text) override {
    segments.push_back({abs_row, abs_column, std::string(text)});
    for (std::size_t i = 0; i < text.size(); ++i) {
      const int column = abs_column + static_cast<int>(i);
      if (column <= w_.right) screen_[abs_row - 1][column - 1] = text[i];
    }
    buffer.add(abs_row, abs_column, text, w_.right);
  }

  void scroll_up_one_row() override {
    ++scrolls;
    for (int row = w_.top; row <= w_.bottom; ++row) {
      for (int column = w_.left; column <= w_.right; ++column) {
        screen_[row - 1][column - 1] = row < w_.bottom ? screen_[row][column - 1] : '.';
      }
    }
    buffer.scroll(w_, 1, columns_);
  }

  std::string row(int r) const { return screen_[r - 1]; }
  std::string stored(int r) const {
    const auto* e = buffer.find(r);
    return e ? std::string(e->first_column - 1, '.') + e->chars : "";
  }

  struct Segment {
    int row, column;
    std::string text;
    bool operator==(const Segment& o) const {
      return row == o.row && column == o.column && text == o.text;
    }
  };
  TextPosition pos;
  shell::TextBuffer buffer;
  std::vector<Segment> segments;
  int scrolls = 0;

 private:
  int columns_;
  TextWindow w_;
  std::vector<std::string> screen_;
};

void expect_position(const TextPosition& p, int row, int column) {
  EXPECT_EQ(p.row, row);
  EXPECT_EQ(p.column, column);
}

TEST(TextLayout, LineFeedAndCarriageReturn) {
  FakeTerminal lf(3, 6, {1, 1, 3, 6});
  lf.write("AB\nCD");
  EXPECT_EQ(lf.row(1), "AB....");
  EXPECT_EQ(lf.row(2), "CD....");
  expect_position(lf.pos, 2, 3);

  FakeTerminal cr(3, 6, {1, 1, 3, 6});
  cr.write("AB\rX");
  EXPECT_EQ(cr.row(1), "XB....");
  EXPECT_EQ(cr.stored(1), "XB");
  expect_position(cr.pos, 1, 2);

  FakeTerminal crlf(3, 6, {1, 1, 3, 6});
  crlf.write("AB\r\nCD");
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(crlf.row(r), lf.row(r));
  expect_position(crlf.pos, 2, 3);
}

TEST(TextLayout, WrappingOnTenColumns) {
  const std::string chars25 = "abcdefghijklmnopqrstuvwxy";
  FakeTerminal t(4, 10, {1, 1, 4, 10});
  t.write(chars25);
  EXPECT_EQ(t.row(1), "abcdefghij");
  EXPECT_EQ(t.row(2), "klmnopqrst");
  EXPECT_EQ(t.row(3), "uvwxy.....");
  expect_position(t.pos, 3, 6);

  FakeTerminal exact(4, 10, {1, 1, 4, 10});
  exact.write("0123456789");
  expect_position(exact.pos, 2, 1);

  // The line feed right after a wrap is the wrap's own new line; so is CR LF.
  for (const char* ending : {"\n", "\r\n"}) {
    FakeTerminal lf(4, 10, {1, 1, 4, 10});
    lf.write(std::string("0123456789") + ending);
    expect_position(lf.pos, 2, 1);
    lf.write("Z");
    EXPECT_EQ(lf.row(2), "Z.........") << "ending " << (ending[0] == '\r' ? "CR LF" : "LF");
  }

  // A CR right after a wrap returns to column 1 of the new row; the full row stays.
  FakeTerminal cr(4, 10, {1, 1, 4, 10});
  cr.write("0123456789\rX");
  EXPECT_EQ(cr.row(1), "0123456789");
  EXPECT_EQ(cr.row(2), "X.........");
  expect_position(cr.pos, 2, 2);
}

TEST(TextLayout, WrappingOffClipsButCounts) {
  FakeTerminal t(3, 10, {1, 1, 3, 10});
  t.write("abcdefghijklmnopqrstuvwxy", false);
  EXPECT_EQ(t.row(1), "abcdefghij");
  EXPECT_EQ(t.row(2), "..........");
  EXPECT_EQ(t.stored(1), "abcdefghij");
  expect_position(t.pos, 1, 26);
  t.write("more", false);  // wholly right of the window: nothing drawn
  EXPECT_EQ(t.segments.size(), 1u);
  expect_position(t.pos, 1, 30);

  // Wrapping turned back on: the next text starts the next row.
  t.write("Z");
  EXPECT_EQ(t.row(2), "Z.........");
  expect_position(t.pos, 2, 2);
}

TEST(TextLayout, NewLineOnLastRowScrollsOnlyTheWindow) {
  // Window rows 2..3 of a 4-row screen; rows 1 and 4 lie outside it.
  FakeTerminal t(4, 5, {2, 1, 3, 5});
  t.draw_segment(1, 1, "top");
  t.draw_segment(4, 1, "bot");
  t.write("A\nB\nC");
  EXPECT_EQ(t.scrolls, 1);
  EXPECT_EQ(t.row(1), "top..");
  EXPECT_EQ(t.row(2), "B....");
  EXPECT_EQ(t.row(3), "C....");
  EXPECT_EQ(t.row(4), "bot..");
  EXPECT_EQ(t.stored(2), "B");
  EXPECT_EQ(t.stored(1), "top");
  expect_position(t.pos, 2, 2);

  t.write("\n");  // the row stays the last; the bottom row is cleared
  EXPECT_EQ(t.row(3), ".....");
  EXPECT_EQ(t.stored(3), "");
  expect_position(t.pos, 2, 1);
}

TEST(TextLayout, WindowAwayFromColumnOneUsesAbsoluteCells) {
  FakeTerminal t(4, 20, {2, 11, 4, 15});
  t.write("abcdefg");
  EXPECT_EQ(t.segments, (std::vector<FakeTerminal::Segment>{{2, 11, "abcde"}, {3, 11, "fg"}}));
  EXPECT_EQ(t.stored(2), "..........abcde");
  EXPECT_EQ(t.stored(3), "..........fg");
  expect_position(t.pos, 2, 3);
}

TEST(TextLayout, NulEndsOuttextButOutmemDrawsEveryByte) {
  FakeTerminal text(2, 10, {1, 1, 2, 10});
  text.write(std::string_view("AB\0CD", 5));
  EXPECT_EQ(text.row(1), "AB........");
  expect_position(text.pos, 1, 3);

  FakeTerminal mem(2, 10, {1, 1, 2, 10});
  const std::string bytes("A\nB\rC\0D\tE", 9);
  mem.write(bytes, true, false);
  EXPECT_EQ(mem.segments.size(), 1u);
  EXPECT_EQ(mem.segments[0].text, bytes);
  expect_position(mem.pos, 1, 10);
  mem.write("xy", true, false);  // wraps like OUTTEXT
  expect_position(mem.pos, 2, 2);
}

TEST(TextServices, ClampPackAndNormalise) {
  const TextWindow w80{1, 1, 25, 80};
  const TextPosition p = shell::clamp_text_position(0, 500, w80);
  expect_position(p, 1, 80);
  expect_position(shell::clamp_text_position(30, -4, w80), 25, 1);
  expect_position(shell::clamp_text_position(7, 9, w80), 7, 9);

  EXPECT_EQ(shell::pack_text_position({2, 80}), 0x00500002);
  EXPECT_EQ(shell::pack_text_position({25, 1}), 0x00010019);

  struct Case {
    int top, left, bottom, right;
    TextWindow want;
    bool swapped;
  };
  const Case cases[] = {
      {10, 20, 5, 10, {5, 10, 10, 20}, true},
      {0, -3, 99, 200, {1, 1, 25, 80}, false},
      {3, 40, 4, 30, {3, 30, 4, 40}, true},
      {30, 90, 40, 95, {25, 80, 25, 80}, false},  // asked for wholly off the screen
  };
  for (const Case& c : cases) {
    const auto got = shell::normalise_text_window(c.top, c.left, c.bottom, c.right, 25, 80);
    EXPECT_EQ(got.window.top, c.want.top);
    EXPECT_EQ(got.window.left, c.want.left);
    EXPECT_EQ(got.window.bottom, c.want.bottom);
    EXPECT_EQ(got.window.right, c.want.right);
    EXPECT_EQ(got.swapped, c.swapped);
  }
}

}  // namespace
