// The frame's standard menu bar as plain data, and the rules of the menu
// services applied to it: menus numbered from 1 left to right, items from 1
// within their menu, item 0 the menu's own entry on the bar. The frame mirrors
// every recorded change into its real menus, so numbers never depend on what
// the system adds there (a maximised child's menu in front of the first menu,
// the window list at the end of the window-list menu).
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "shell/frame/menu_presence.h"
#include "shell/frame/menu_states.h"
#include "shell/frame/menu_table.h"
#include "shell/frame/menu_text.h"
#include "shell/frame/user_items.h"

namespace shell {

struct MenuItem {
  std::string text;
  CommandId command = 0;  // 0 for a separator and for the bar entry of a popup
  bool separator = false;
  bool grey = false;
  bool disabled = false;
  bool checked = false;
  bool column_break = false;  // starts a new column of its popup
};

// The platform flags that show the item (without kMfPopup).
std::uint32_t mf_flags(const MenuItem& item);

// One entry of the menu bar: a popup menu, or a plain command on the bar
// itself (made by INSERTMENUQQ with item 0 or by APPENDMENUQQ past the last
// menu); a plain entry becomes a popup when an item is put into it.
struct MenuEntry {
  MenuItem head;  // the title; for a plain entry also its command and state
  bool popup = true;
  bool window_list = false;  // the MDI client lists the child windows here
  std::vector<MenuItem> items;
};

// What a program attaches to an item: one of the standard routines, or a
// routine of its own (null runs nothing).
struct ItemRoutine {
  ItemRoutine(StandardRoutine routine) : standard(routine) {}
  ItemRoutine(MenuRoutine routine) : program(routine) {}
  std::optional<StandardRoutine> standard;
  MenuRoutine program = nullptr;
};

// One change to mirror into the real menus, in the order recorded. Positions
// are those at the time of the change; `data` is the item as it now reads.
struct MenuChange {
  enum class Kind {
    kInsert,      // `data` put at (menu, item); item 0: a plain entry on the bar
    kRemove,      // the item at (menu, item) removed; item 0: the whole entry
    kUpdate,      // the item at (menu, item) now reads `data`; item 0: the bar entry
    kMakePopup,   // the plain entry `menu` became an empty popup titled data.text
    kWindowMenu,  // the window list moves to menu `menu`; 0: no window-list menu
  };
  Kind kind;
  int menu;
  int item;
  MenuItem data;
  bool popup;  // the entry at `menu` is a popup (after the change)
};

struct MenuPosition {
  int menu;
  int item;  // 0: the bar entry itself
};

// The zero-based position on the real menu bar of menu number `menu`: while
// a maximised child's menu stands in front of the first menu, one further.
int bar_position(int menu, bool child_menu_in_front);

// Not synchronised: the frame guards the model with one lock, since the menu
// services may be called from the program's threads.
class MenuModel {
 public:
  // A bar made from `bar`; `window_menu` is the number of its window-list
  // menu, 0 for none. Texts are taken as given.
  MenuModel(const std::vector<MenuSpec>& bar, int window_menu,
            LeadBytePredicate is_lead_byte = nullptr);
  static MenuModel standard(LeadBytePredicate is_lead_byte = nullptr);

  // The menu services. Each returns false, changing nothing, for a bad menu
  // or item number (or when no user number is left).
  bool insert(int menu, int item, std::int32_t flags, std::string_view text, ItemRoutine routine);
  bool append(int menu, std::int32_t flags, std::string_view text, ItemRoutine routine);
  bool remove(int menu, int item);
  bool modify_flags(int menu, int item, std::int32_t flags);
  bool modify_text(int menu, int item, std::string_view text);
  bool modify_routine(int menu, int item, ItemRoutine routine);
  bool set_window_menu(int menu);

  // Brings the standard items to the states worked out when a menu opens.
  // An item that is not in the bar is passed over.
  void apply(const ItemStates& states);
  // Pausing greys every enabled user item; resuming enables again exactly
  // the items the pause greyed, so items the program greyed stay grey.
  void set_user_items_paused(bool paused);
  // At the end of the program: greys every user item that runs a routine of
  // the program, so none can be chosen any more.
  void grey_program_items();

  int menu_count() const { return static_cast<int>(entries_.size()); }
  // Items of a menu: 0 for a plain entry, -1 for a bad menu number.
  int item_count(int menu) const;
  const MenuEntry* entry(int menu) const;
  const MenuItem* item(int menu, int item) const;
  std::optional<MenuPosition> find(CommandId command) const;
  // The item is on the bar and neither grey nor disabled (for the keys that
  // send its command).
  bool enabled_in_bar(CommandId command) const;
  // 1 when the item carrying `command` has a check mark, else 0.
  std::int32_t check_state(CommandId command) const;
  // The routine to run for a chosen user item: none while paused, for numbers
  // outside the table and for items whose routine does nothing.
  MenuRoutine routine_for(CommandId command, bool paused) const;
  // Number of the window-list menu; 0 when there is none.
  int window_menu() const;

  const UserItems& user_items() const { return users_; }
  const MenuPresence& presence() const { return presence_; }

  // The changes recorded since the last call, oldest first.
  std::vector<MenuChange> take_changes();

 private:
  MenuItem* locate(int menu, int item);
  std::optional<MenuItem> make_item(std::int32_t flags, std::string_view text,
                                    const ItemRoutine& routine);
  void make_popup(int menu);
  void forget_command(CommandId command);
  bool bar_holds(CommandId command) const;
  void record(MenuChange::Kind kind, int menu, int item);
  template <typename Visit>
  void for_each_item(Visit visit);

  std::vector<MenuEntry> entries_;
  UserItems users_;
  MenuPresence presence_;
  LeadBytePredicate is_lead_byte_;
  std::set<CommandId> greyed_by_pause_;
  std::vector<MenuChange> changes_;
};

}  // namespace shell
