// Item text and flag rules: the mnemonic ampersand, flag translation, the
// column break of long menus and MODIFYMENUFLAGSQQ's requests.
#include "shell/frame/menu_text.h"

#include <gtest/gtest.h>

namespace {

using namespace shell;

// A double-byte code page whose lead bytes are 0x81..0x9F (as Shift-JIS).
bool lead_81_to_9f(unsigned char byte) {
  return byte >= 0x81 && byte <= 0x9F;
}

TEST(MenuText, MnemonicGoesInFrontOnlyWithoutAnAmpersand) {
  const std::pair<const char*, const char*> cases[] = {
      {"Run", "&Run"},    {"&Open Input File", "&Open Input File"},
      {"E&xit", "E&xit"}, {"Salt && Pepper", "Salt && Pepper"},
      {"Tail&", "Tail&"}, {"Save\tCtrl+S", "&Save\tCtrl+S"},
      {"", ""},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(with_mnemonic(text), expected) << text;
}

TEST(MenuText, SecondByteOfADoubleByteCharacterIsNoAmpersand) {
  const std::string kanji_with_26 = "\x81&Item";  // 0x81 0x26 is one character
  EXPECT_TRUE(has_ampersand(kanji_with_26));
  EXPECT_FALSE(has_ampersand(kanji_with_26, lead_81_to_9f));
  EXPECT_EQ(with_mnemonic(kanji_with_26, lead_81_to_9f), "&" + kanji_with_26);
  // A real ampersand after a double-byte character still counts.
  EXPECT_EQ(with_mnemonic("\x81\x40&A", lead_81_to_9f), "\x81\x40&A");
  // A lead byte cut off at the end reads nothing past the text.
  EXPECT_EQ(with_mnemonic("A\x81", lead_81_to_9f), "&A\x81");
}

TEST(MenuText, ItemFlagsBecomePlatformFlags) {
  const std::pair<std::int32_t, std::uint32_t> cases[] = {
      {0, 0},        {4, 0},       {1, 0x1},      {2, 0x2},    {8, 0x800},   {16, 0x8},
      {1 + 16, 0x9}, {1 + 2, 0x3}, {4 + 16, 0x8}, {31, 0x80B}, {32 + 64, 0}, {1 + 128, 0x1},
  };
  for (const auto& [flags, mf] : cases) EXPECT_EQ(item_flags_to_mf(flags), mf) << flags;
}

TEST(MenuText, EveryTwentiethAppendedItemStartsANewColumn) {
  const std::pair<int, std::uint32_t> cases[] = {
      {0, 0}, {1, 0}, {19, 0}, {20, kMfMenuBarBreak}, {21, 0}, {39, 0}, {40, kMfMenuBarBreak},
  };
  for (const auto& [before, flag] : cases)
    EXPECT_EQ(column_break_for_append(before), flag) << before;
}

TEST(MenuText, ModifyFlagsChecksOrElseSetsTheEnabledState) {
  using K = FlagsRequest::Kind;
  struct Case {
    std::int32_t flags;
    K kind;
    bool checked;
    std::uint32_t enable;
  } cases[] = {
      {16, K::kCheck, true, 0},
      {32, K::kCheck, false, 0},
      {16 + 1, K::kCheck, true, 0},
      {32 + 2, K::kCheck, false, 0},
      {16 + 32, K::kCheck, true, 0},
      {4, K::kEnable, false, kMfEnabled},
      {1, K::kEnable, false, kMfGrayed},
      {2, K::kEnable, false, kMfDisabled},
      {3, K::kEnable, false, kMfGrayed | kMfDisabled},
      {0, K::kEnable, false, kMfEnabled},
      {8, K::kEnable, false, kMfEnabled},
  };
  for (const Case& c : cases) {
    const FlagsRequest request = modify_flags_request(c.flags);
    EXPECT_EQ(request.kind, c.kind) << c.flags;
    if (c.kind == K::kCheck) {
      EXPECT_EQ(request.checked, c.checked) << c.flags;
    } else {
      EXPECT_EQ(request.enable_flags, c.enable) << c.flags;
    }
  }
}

}  // namespace
