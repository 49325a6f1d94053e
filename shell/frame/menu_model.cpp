// The menu bar model and the rules of the menu services.
#include "shell/frame/menu_model.h"

namespace shell {

std::uint32_t mf_flags(const MenuItem& item) {
  std::uint32_t mf = kMfEnabled;
  if (item.grey) mf |= kMfGrayed;
  if (item.disabled) mf |= kMfDisabled;
  if (item.checked) mf |= kMfChecked;
  if (item.separator) mf |= kMfSeparator;
  if (item.column_break) mf |= kMfMenuBarBreak;
  return mf;
}

int bar_position(int menu, bool child_menu_in_front) {
  return menu - 1 + (child_menu_in_front ? 1 : 0);
}

template <typename Visit>
void MenuModel::for_each_item(Visit visit) {
  for (int menu = 1; menu <= menu_count(); ++menu) {
    MenuEntry& entry = entries_[menu - 1];
    if (!entry.popup) visit(entry.head, menu, 0);
    for (std::size_t i = 0; i < entry.items.size(); ++i) {
      visit(entry.items[i], menu, static_cast<int>(i) + 1);
    }
  }
}

MenuModel::MenuModel(const std::vector<MenuSpec>& bar, int window_menu,
                     LeadBytePredicate is_lead_byte)
    : is_lead_byte_(is_lead_byte) {
  for (const MenuSpec& spec : bar) {
    MenuEntry entry;
    entry.head.text = spec.title;
    for (const MenuItemSpec& item_spec : spec.items) {
      MenuItem item;
      item.text = item_spec.text;
      item.command = item_spec.command;
      item.grey = item_spec.grey;
      entry.items.push_back(item);
    }
    entries_.push_back(entry);
  }
  if (window_menu >= 1 && window_menu <= menu_count()) {
    entries_[window_menu - 1].window_list = true;
  }
}

MenuModel MenuModel::standard(LeadBytePredicate is_lead_byte) {
  return MenuModel(standard_menu_bar(), kStandardWindowMenu, is_lead_byte);
}

bool MenuModel::insert(int menu, int item, std::int32_t flags, std::string_view text,
                       ItemRoutine routine) {
  if (menu < 1 || item < 0) return false;
  if (item == 0) {
    if (menu > menu_count() + 1) return false;
    std::optional<MenuItem> made = make_item(flags, text, routine);
    if (!made) return false;
    MenuEntry entry;
    entry.head = *made;
    entry.popup = false;
    entries_.insert(entries_.begin() + (menu - 1), entry);
    record(MenuChange::Kind::kInsert, menu, 0);
    return true;
  }
  if (menu > menu_count() || item > item_count(menu) + 1) return false;
  std::optional<MenuItem> made = make_item(flags, text, routine);
  if (!made) return false;
  make_popup(menu);
  std::vector<MenuItem>& items = entries_[menu - 1].items;
  items.insert(items.begin() + (item - 1), *made);
  record(MenuChange::Kind::kInsert, menu, item);
  return true;
}

bool MenuModel::append(int menu, std::int32_t flags, std::string_view text, ItemRoutine routine) {
  if (menu < 1 || menu > menu_count() + 1) return false;
  if (menu == menu_count() + 1) return insert(menu, 0, flags, text, routine);
  std::optional<MenuItem> made = make_item(flags, text, routine);
  if (!made) return false;
  const int before = item_count(menu);
  made->column_break = column_break_for_append(before) != 0;
  make_popup(menu);
  entries_[menu - 1].items.push_back(*made);
  record(MenuChange::Kind::kInsert, menu, before + 1);
  return true;
}

bool MenuModel::remove(int menu, int item) {
  if (menu < 1 || menu > menu_count() || item < 0) return false;
  if (item == 0) {
    // Routines and presence flags of the menu's items stay as they are: the
    // control keys of its standard items keep acting.
    if (entries_[menu - 1].window_list) {
      // The MDI client lets go of the popup before it is destroyed.
      changes_.push_back({MenuChange::Kind::kWindowMenu, 0, 0, {}, false});
    }
    const MenuEntry removed = entries_[menu - 1];
    entries_.erase(entries_.begin() + (menu - 1));
    changes_.push_back({MenuChange::Kind::kRemove, menu, 0, removed.head, removed.popup});
    return true;
  }
  if (item > item_count(menu)) return false;
  std::vector<MenuItem>& items = entries_[menu - 1].items;
  const MenuItem removed = items[item - 1];
  items.erase(items.begin() + (item - 1));
  forget_command(removed.command);
  changes_.push_back({MenuChange::Kind::kRemove, menu, item, removed, true});
  return true;
}

bool MenuModel::modify_flags(int menu, int item, std::int32_t flags) {
  MenuItem* target = locate(menu, item);
  if (target == nullptr) return false;
  const FlagsRequest request = modify_flags_request(flags);
  if (request.kind == FlagsRequest::Kind::kCheck) {
    target->checked = request.checked;
  } else {
    target->grey = (request.enable_flags & kMfGrayed) != 0;
    target->disabled = (request.enable_flags & kMfDisabled) != 0;
    greyed_by_pause_.erase(target->command);  // the program's own choice now holds
  }
  record(MenuChange::Kind::kUpdate, menu, item);
  return true;
}

bool MenuModel::modify_text(int menu, int item, std::string_view text) {
  MenuItem* target = locate(menu, item);
  if (target == nullptr || target->separator) return false;
  target->text = with_mnemonic(text, is_lead_byte_);
  record(MenuChange::Kind::kUpdate, menu, item);
  return true;
}

bool MenuModel::modify_routine(int menu, int item, ItemRoutine routine) {
  MenuItem* target = locate(menu, item);
  if (target == nullptr || target->separator) return false;
  if (item == 0 && entries_[menu - 1].popup) return false;  // a menu title runs nothing
  const CommandId old_command = target->command;
  CommandId new_command = old_command;
  if (routine.standard) {
    const std::optional<CommandId> standard = standard_routine_command(*routine.standard);
    if (standard) {
      new_command = *standard;
    } else if (!users_.set(old_command, nullptr)) {  // NUL: a user item running nothing
      std::optional<CommandId> number = users_.add(nullptr);
      if (!number) return false;
      new_command = *number;
    }
  } else if (!users_.set(old_command, routine.program)) {
    std::optional<CommandId> number = users_.add(routine.program);
    if (!number) return false;
    new_command = *number;
  }
  // The item keeps its text and state; only its command changes.
  target->command = new_command;
  if (new_command != old_command) forget_command(old_command);
  presence_.mark_present(new_command);
  record(MenuChange::Kind::kUpdate, menu, item);
  return true;
}

bool MenuModel::set_window_menu(int menu) {
  if (menu < 1 || menu > menu_count()) return false;
  make_popup(menu);
  for (MenuEntry& entry : entries_) entry.window_list = false;
  entries_[menu - 1].window_list = true;
  changes_.push_back({MenuChange::Kind::kWindowMenu, menu, 0, {}, true});
  return true;
}

void MenuModel::apply(const ItemStates& states) {
  for (const ItemStateUpdate& update : states.items) {
    for_each_item([&](MenuItem& item, int menu, int position) {
      if (item.command != update.command) return;
      bool changed = false;
      if (update.grey && (item.grey != *update.grey || item.disabled)) {
        item.grey = *update.grey;
        item.disabled = false;
        changed = true;
      }
      if (update.checked && item.checked != *update.checked) {
        item.checked = *update.checked;
        changed = true;
      }
      if (changed) record(MenuChange::Kind::kUpdate, menu, position);
    });
  }
  if (!states.pause_item) return;
  const PauseItem& pause = *states.pause_item;
  for_each_item([&](MenuItem& item, int menu, int position) {
    if (item.command != kCmdPause && item.command != kCmdResume) return;
    if (item.command == pause.command && item.text == pause.text) return;
    item.command = pause.command;
    item.text = pause.text;
    record(MenuChange::Kind::kUpdate, menu, position);
  });
}

void MenuModel::set_user_items_paused(bool paused) {
  for_each_item([&](MenuItem& item, int menu, int position) {
    if (!users_.issued(item.command)) return;
    if (paused && !item.grey) {
      item.grey = true;
      greyed_by_pause_.insert(item.command);
      record(MenuChange::Kind::kUpdate, menu, position);
    } else if (!paused && greyed_by_pause_.count(item.command) != 0) {
      item.grey = false;
      record(MenuChange::Kind::kUpdate, menu, position);
    }
  });
  if (!paused) greyed_by_pause_.clear();
}

void MenuModel::grey_program_items() {
  for_each_item([&](MenuItem& item, int menu, int position) {
    if (!users_.issued(item.command) || users_.routine(item.command) == nullptr) return;
    greyed_by_pause_.erase(item.command);
    if (item.grey) return;
    item.grey = true;
    record(MenuChange::Kind::kUpdate, menu, position);
  });
}

int MenuModel::item_count(int menu) const {
  const MenuEntry* found = entry(menu);
  if (found == nullptr) return -1;
  return static_cast<int>(found->items.size());
}

const MenuEntry* MenuModel::entry(int menu) const {
  if (menu < 1 || menu > menu_count()) return nullptr;
  return &entries_[menu - 1];
}

const MenuItem* MenuModel::item(int menu, int item) const {
  const MenuEntry* found = entry(menu);
  if (found == nullptr || item < 0 || item > static_cast<int>(found->items.size())) {
    return nullptr;
  }
  return item == 0 ? &found->head : &found->items[item - 1];
}

std::optional<MenuPosition> MenuModel::find(CommandId command) const {
  if (command == 0) return std::nullopt;
  for (int menu = 1; menu <= menu_count(); ++menu) {
    const MenuEntry& entry = entries_[menu - 1];
    if (!entry.popup && entry.head.command == command) return MenuPosition{menu, 0};
    for (std::size_t i = 0; i < entry.items.size(); ++i) {
      if (entry.items[i].command == command) {
        return MenuPosition{menu, static_cast<int>(i) + 1};
      }
    }
  }
  return std::nullopt;
}

bool MenuModel::enabled_in_bar(CommandId command) const {
  const std::optional<MenuPosition> at = find(command);
  if (!at) return false;
  const MenuItem* found = item(at->menu, at->item);
  return !found->grey && !found->disabled;
}

std::int32_t MenuModel::check_state(CommandId command) const {
  const std::optional<MenuPosition> at = find(command);
  return at && item(at->menu, at->item)->checked ? 1 : 0;
}

MenuRoutine MenuModel::routine_for(CommandId command, bool paused) const {
  if (paused) return nullptr;
  return users_.routine(command);
}

int MenuModel::window_menu() const {
  for (int menu = 1; menu <= menu_count(); ++menu) {
    if (entries_[menu - 1].window_list) return menu;
  }
  return 0;
}

std::vector<MenuChange> MenuModel::take_changes() {
  std::vector<MenuChange> taken;
  taken.swap(changes_);
  return taken;
}

MenuItem* MenuModel::locate(int menu, int item) {
  return const_cast<MenuItem*>(static_cast<const MenuModel*>(this)->item(menu, item));
}

std::optional<MenuItem> MenuModel::make_item(std::int32_t flags, std::string_view text,
                                             const ItemRoutine& routine) {
  MenuItem made;
  made.grey = (flags & kItemGrey) != 0;
  made.disabled = (flags & kItemDisabled) != 0;
  made.checked = (flags & kItemChecked) != 0;
  made.separator = (flags & kItemSeparator) != 0;
  if (made.separator) return made;  // no text, nothing to run
  made.text = with_mnemonic(text, is_lead_byte_);
  std::optional<CommandId> standard;
  if (routine.standard) standard = standard_routine_command(*routine.standard);
  if (standard) {
    made.command = *standard;
    presence_.mark_present(*standard);
    return made;
  }
  std::optional<CommandId> number = users_.add(routine.standard ? nullptr : routine.program);
  if (!number) return std::nullopt;
  made.command = *number;
  return made;
}

void MenuModel::make_popup(int menu) {
  MenuEntry& entry = entries_[menu - 1];
  if (entry.popup) return;
  // The entry keeps its whole text and its state; its own command goes.
  const CommandId old_command = entry.head.command;
  entry.popup = true;
  entry.head.command = 0;
  forget_command(old_command);
  record(MenuChange::Kind::kMakePopup, menu, 0);
}

void MenuModel::forget_command(CommandId command) {
  greyed_by_pause_.erase(command);
  if (users_.in_range(command)) {
    users_.clear(command);
    return;
  }
  // A standard item is absent once no item with its command is left.
  const bool still_there = command == kCmdPause || command == kCmdResume
                               ? bar_holds(kCmdPause) || bar_holds(kCmdResume)
                               : bar_holds(command);
  if (!still_there) presence_.mark_absent(command);
}

bool MenuModel::bar_holds(CommandId command) const {
  return find(command).has_value();
}

void MenuModel::record(MenuChange::Kind kind, int menu, int item) {
  const MenuEntry& entry = entries_[menu - 1];
  const MenuItem& data = item == 0 ? entry.head : entry.items[item - 1];
  changes_.push_back({kind, menu, item, data, entry.popup});
}

}  // namespace shell
