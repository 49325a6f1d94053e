// Item text and flag rules for the program's menu items.
#include "shell/frame/menu_text.h"

namespace shell {

bool has_ampersand(std::string_view text, LeadBytePredicate is_lead_byte) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (is_lead_byte != nullptr && is_lead_byte(byte)) {
      ++i;  // the second byte belongs to the character
      continue;
    }
    if (byte == '&') return true;
  }
  return false;
}

std::string with_mnemonic(std::string_view text, LeadBytePredicate is_lead_byte) {
  if (text.empty() || has_ampersand(text, is_lead_byte)) return std::string(text);
  std::string result;
  result.reserve(text.size() + 1);
  result += '&';
  result += text;
  return result;
}

std::uint32_t item_flags_to_mf(std::int32_t flags) {
  std::uint32_t mf = kMfEnabled;
  if (flags & kItemGrey) mf |= kMfGrayed;
  if (flags & kItemDisabled) mf |= kMfDisabled;
  if (flags & kItemSeparator) mf |= kMfSeparator;
  if (flags & kItemChecked) mf |= kMfChecked;
  return mf;
}

std::uint32_t column_break_for_append(int items_before) {
  if (items_before > 0 && items_before % kItemsPerColumn == 0) return kMfMenuBarBreak;
  return 0;
}

FlagsRequest modify_flags_request(std::int32_t flags) {
  if (flags & kItemChecked) return {FlagsRequest::Kind::kCheck, true, 0};
  if (flags & kItemUnchecked) return {FlagsRequest::Kind::kCheck, false, 0};
  std::uint32_t mf = kMfEnabled;
  if (flags & kItemGrey) mf |= kMfGrayed;
  if (flags & kItemDisabled) mf |= kMfDisabled;
  return {FlagsRequest::Kind::kEnable, false, mf};
}

}  // namespace shell
