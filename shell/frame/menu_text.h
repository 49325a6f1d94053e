// Rules for the items a program puts into the menus: the mnemonic ampersand
// its texts get, and how its item flags (1 grey, 2 disabled, 4 enabled,
// 8 separator, 16 checked, added together) and the check/enable requests of
// MODIFYMENUFLAGSQQ become the platform's menu flags.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace shell {

// True for the first byte of a double-byte character. Null in single-byte
// mode.
using LeadBytePredicate = bool (*)(unsigned char byte);

// Whether the text holds an ampersand; in double-byte mode the second byte of
// a double-byte character is never taken for one.
bool has_ampersand(std::string_view text, LeadBytePredicate is_lead_byte = nullptr);

// A text without an ampersand gets one in front, so its first letter becomes
// the item's mnemonic. Texts with one, and the empty text, stay as they are.
std::string with_mnemonic(std::string_view text, LeadBytePredicate is_lead_byte = nullptr);

// The program's item flags.
inline constexpr std::int32_t kItemGrey = 1;
inline constexpr std::int32_t kItemDisabled = 2;
inline constexpr std::int32_t kItemEnabled = 4;
inline constexpr std::int32_t kItemSeparator = 8;
inline constexpr std::int32_t kItemChecked = 16;
inline constexpr std::int32_t kItemUnchecked = 32;  // MODIFYMENUFLAGSQQ only

// The platform's menu flags, by value.
inline constexpr std::uint32_t kMfEnabled = 0x0;
inline constexpr std::uint32_t kMfGrayed = 0x1;
inline constexpr std::uint32_t kMfDisabled = 0x2;
inline constexpr std::uint32_t kMfChecked = 0x8;
inline constexpr std::uint32_t kMfPopup = 0x10;
inline constexpr std::uint32_t kMfMenuBarBreak = 0x20;
inline constexpr std::uint32_t kMfMenuBreak = 0x40;
inline constexpr std::uint32_t kMfSeparator = 0x800;

// INSERTMENUQQ/APPENDMENUQQ flags as platform flags; bits other than the five
// known ones are ignored.
std::uint32_t item_flags_to_mf(std::int32_t flags);

// A long popup menu is laid out in columns of 20 items. The flag an appended
// item gets, given how many items its menu already holds: the 21st, 41st, ...
// item starts a new column, with a dividing line so the columns stay apart.
inline constexpr int kItemsPerColumn = 20;
std::uint32_t column_break_for_append(int items_before);

// What MODIFYMENUFLAGSQQ does: flags with 16 check the item and flags with 32
// (and not 16) uncheck it, changing nothing else; any other flags set its
// enabled state from 1 (grey) and 2 (disabled), 4 or no bit meaning enabled.
struct FlagsRequest {
  enum class Kind { kCheck, kEnable };
  Kind kind;
  bool checked;                // kCheck
  std::uint32_t enable_flags;  // kEnable: kMfEnabled, kMfGrayed and/or kMfDisabled
};
FlagsRequest modify_flags_request(std::int32_t flags);

}  // namespace shell
