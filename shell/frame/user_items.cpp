// The user item table.
#include "shell/frame/user_items.h"

#include <algorithm>

namespace shell {

namespace {
constexpr std::uint32_t kLastCommandNumber = 0xFFFF;
}

UserItems::UserItems() : routines_(kInitialEntries, nullptr) {}

std::optional<CommandId> UserItems::add(MenuRoutine run) {
  if (next_ > kLastCommandNumber) return std::nullopt;
  const auto number = static_cast<CommandId>(next_);
  routines_[number - kFirstNumber] = run;
  ++next_;
  // Grow once the next number has passed the upper number, so that it always
  // has an entry; numbers stop at 0xFFFF.
  if (next_ <= kLastCommandNumber && next_ - kFirstNumber >= routines_.size()) {
    const std::size_t limit = kLastCommandNumber - kFirstNumber + 1;
    routines_.resize(std::min(routines_.size() + kGrowth, limit), nullptr);
  }
  return number;
}

bool UserItems::set(CommandId number, MenuRoutine run) {
  if (!issued(number)) return false;
  routines_[number - kFirstNumber] = run;
  return true;
}

void UserItems::clear(CommandId number) {
  if (in_range(number)) routines_[number - kFirstNumber] = nullptr;
}

bool UserItems::in_range(CommandId number) const {
  return number >= kFirstNumber && number <= upper_number();
}

bool UserItems::issued(CommandId number) const {
  return number >= kFirstNumber && number < next_;
}

MenuRoutine UserItems::routine(CommandId number) const {
  return in_range(number) ? routines_[number - kFirstNumber] : nullptr;
}

CommandId UserItems::upper_number() const {
  return static_cast<CommandId>(kFirstNumber + routines_.size() - 1);
}

}  // namespace shell
