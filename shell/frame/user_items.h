// The user item table: the program's routine for each user command number.
// Numbers are handed out from 1101 upward in the order items are made and are
// never reused; the table starts with 50 entries (upper number 1150) and grows
// by 10 whenever the next free number passes the upper number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "shell/frame/menu_table.h"

namespace shell {

// A routine of the program attached to a menu item. It gets a reference to
// the item's check state: 1 when the item carries a check mark, else 0.
using MenuRoutine = void (*)(std::int32_t* checked);

class UserItems {
 public:
  static constexpr CommandId kFirstNumber = kCmdFirstUser;
  static constexpr std::size_t kInitialEntries = 50;
  static constexpr std::size_t kGrowth = 10;

  UserItems();

  // Stores `routine` (null: an item whose routine does nothing) under the next
  // free number and returns that number. Empty once the 16-bit command numbers
  // are used up; nothing is stored then.
  std::optional<CommandId> add(MenuRoutine routine);

  // Replaces the routine of a number already handed out; false for any other.
  bool set(CommandId number, MenuRoutine routine);
  // Forgets the routine of a deleted item. Other numbers are ignored.
  void clear(CommandId number);

  // A number in the table's range, 1101 up to the upper number.
  bool in_range(CommandId number) const;
  // A number handed out so far, 1101 up to the next free number (exclusive).
  bool issued(CommandId number) const;
  // The routine to run for a user number; null when it has none.
  MenuRoutine routine(CommandId number) const;

  CommandId next_number() const { return next_; }
  CommandId upper_number() const;
  std::size_t size() const { return routines_.size(); }

 private:
  std::vector<MenuRoutine> routines_;  // index = number - 1101
  std::uint32_t next_ = kFirstNumber;  // one past 0xFFFF once exhausted
};

}  // namespace shell
