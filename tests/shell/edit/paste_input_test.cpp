// The paste buffer handed out piece by piece, and pieces turned into
// input lines.
#include "shell/edit/paste_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using shell::PasteBuffer;

struct Piece {
  int max_count;
  const char* text;
  bool complete;
  bool pending_after;
};

void expect_pieces(const std::string& pasted, const std::vector<Piece>& pieces) {
  PasteBuffer b;
  ASSERT_TRUE(b.start(pasted));
  for (const Piece& p : pieces) {
    SCOPED_TRACE(p.text);
    const shell::PastePiece got = b.next_piece(p.max_count);
    EXPECT_EQ(got.text, p.text);
    EXPECT_EQ(got.complete, p.complete);
    EXPECT_EQ(b.pending(), p.pending_after);
  }
}

TEST(PasteBuffer, LinesUpToTheirLineFeedAndTheEndOfTheText) {
  // A text ending in a line feed is done as soon as its last line is out.
  expect_pieces("HELLO\r\nWORLD\r\n",
                {{126, "HELLO\r\n", true, true}, {126, "WORLD\r\n", true, false}});
  // Without one, the rest of the text is an incomplete piece.
  expect_pieces("AB\nCD", {{126, "AB\n", true, true}, {126, "CD", false, false}});
}

TEST(PasteBuffer, PiecesAtTheCountAskedFor) {
  expect_pieces("ABCDEFG\n",
                {{3, "ABC", true, true}, {3, "DEF", true, true}, {3, "G\n", true, false}});
  // Exactly at the count when the text ends: the next piece finds nothing.
  expect_pieces("ABC", {{3, "ABC", true, true}, {3, "", false, false}});
}

TEST(PasteBuffer, NothingPendingWithoutText) {
  PasteBuffer b;
  EXPECT_FALSE(b.start(std::string("\0AB", 3)));
  EXPECT_FALSE(b.pending());
  EXPECT_TRUE(b.start(std::string("AB\0CD", 5)));
  EXPECT_EQ(b.next_piece(10).text, "AB") << "the text ends at its zero byte";
  EXPECT_TRUE(b.start("X"));
  b.clear();
  EXPECT_FALSE(b.pending());
  EXPECT_EQ(b.next_piece(10).text, "");
}

TEST(PasteBuffer, ListenerHearsPendingChanges) {
  std::vector<bool> heard;
  shell::set_paste_listener([&heard](bool pending) { heard.push_back(pending); });
  shell::start_paste("one\n");
  shell::start_paste("two\n");  // replaces the first: still pending
  EXPECT_EQ(shell::GetPasteStg(126).text, "two\n");
  shell::start_paste("three");
  shell::clear_paste();
  shell::set_paste_listener(nullptr);
  EXPECT_EQ(heard, (std::vector<bool>{true, false, true, false}));
  EXPECT_FALSE(shell::paste_pending());
}

TEST(ProcessBuff, PiecesBecomeInputLines) {
  struct Case {
    std::string piece;
    const char* line;
  };
  const Case cases[] = {
      {"HELLO\r\n", "HELLO"},          {"a\tb", "a        b"}, {"ABCDE\rxy\n", "xyCDE"},
      {std::string("A\0B", 3), "A B"}, {"AB\nCD", "AB"},       {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(shell::ProcessBuff(c.piece), c.line) << c.line;
}

}  // namespace
