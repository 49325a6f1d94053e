// The menu bar model: positions and numbering of the menu services, user
// numbers and presence flags, item states, and the change records the frame
// mirrors into its real menus.
#include "shell/frame/menu_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace shell;

int open_calls = 0;
int save_calls = 0;
void open_input(std::int32_t*) {
  ++open_calls;
}
void save_output(std::int32_t*) {
  ++save_calls;
}

std::vector<std::string> titles(const MenuModel& model) {
  std::vector<std::string> out;
  for (int m = 1; m <= model.menu_count(); ++m) out.push_back(model.entry(m)->head.text);
  return out;
}

std::vector<std::string> texts(const MenuModel& model, int menu) {
  std::vector<std::string> out;
  for (const MenuItem& item : model.entry(menu)->items) out.push_back(item.text);
  return out;
}

using Strings = std::vector<std::string>;

bool same_item(const MenuItem& a, const MenuItem& b) {
  return a.text == b.text && a.command == b.command && a.separator == b.separator &&
         a.grey == b.grey && a.disabled == b.disabled && a.checked == b.checked &&
         a.column_break == b.column_break;
}

// Replays the change records as the frame does onto its real menus, and
// checks that the copy reads exactly as the model.
class Mirror {
 public:
  explicit Mirror(const MenuModel& model) {
    for (int m = 1; m <= model.menu_count(); ++m) entries_.push_back(*model.entry(m));
  }

  void replay(MenuModel& model) {
    for (const MenuChange& c : model.take_changes()) apply(c);
    ASSERT_EQ(static_cast<int>(entries_.size()), model.menu_count());
    for (int m = 1; m <= model.menu_count(); ++m) {
      const MenuEntry& want = *model.entry(m);
      const MenuEntry& got = entries_[m - 1];
      EXPECT_TRUE(same_item(got.head, want.head)) << "menu " << m;
      EXPECT_EQ(got.popup, want.popup) << "menu " << m;
      EXPECT_EQ(got.window_list, want.window_list) << "menu " << m;
      ASSERT_EQ(got.items.size(), want.items.size()) << "menu " << m;
      for (std::size_t i = 0; i < want.items.size(); ++i) {
        EXPECT_TRUE(same_item(got.items[i], want.items[i])) << "menu " << m << " item " << i + 1;
      }
    }
  }

 private:
  void apply(const MenuChange& c) {
    using K = MenuChange::Kind;
    switch (c.kind) {
      case K::kInsert:
        if (c.item == 0) {
          MenuEntry entry;
          entry.head = c.data;
          entry.popup = c.popup;
          entries_.insert(entries_.begin() + (c.menu - 1), entry);
        } else {
          auto& items = entries_.at(c.menu - 1).items;
          items.insert(items.begin() + (c.item - 1), c.data);
        }
        break;
      case K::kRemove:
        if (c.item == 0) {
          entries_.erase(entries_.begin() + (c.menu - 1));
        } else {
          auto& items = entries_.at(c.menu - 1).items;
          items.erase(items.begin() + (c.item - 1));
        }
        break;
      case K::kUpdate:
        if (c.item == 0) {
          entries_.at(c.menu - 1).head = c.data;
        } else {
          entries_.at(c.menu - 1).items.at(c.item - 1) = c.data;
        }
        break;
      case K::kMakePopup:
        entries_.at(c.menu - 1).popup = true;
        entries_.at(c.menu - 1).head = c.data;
        break;
      case K::kWindowMenu:
        for (MenuEntry& e : entries_) e.window_list = false;
        if (c.menu != 0) entries_.at(c.menu - 1).window_list = true;
        break;
    }
  }

  std::vector<MenuEntry> entries_;
};

TEST(MenuModel, StandardBarAsBuilt) {
  const MenuModel model = MenuModel::standard();
  EXPECT_EQ(titles(model), (Strings{"&File", "&Edit", "&View", "&State", "&Window", "&Help"}));
  EXPECT_EQ(texts(model, 1), (Strings{"&Print...", "&Save...", "E&xit\tCtrl+C"}));
  EXPECT_EQ(model.window_menu(), 5);
  EXPECT_EQ(model.find(kCmdInput)->menu, 5);
  EXPECT_EQ(model.find(kCmdInput)->item, 4);
  EXPECT_TRUE(model.item(5, 4)->grey);
  EXPECT_FALSE(model.enabled_in_bar(kCmdInput));
  EXPECT_TRUE(model.enabled_in_bar(kCmdCopy));
  EXPECT_FALSE(model.find(kCmdFirstUser));
}

TEST(MenuModel, ProgramSetUpLeavesOnlyItsFileMenu) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  EXPECT_TRUE(model.insert(1, 1, 4, "&Open Input File", &open_input));
  EXPECT_TRUE(model.remove(1, 3));
  EXPECT_TRUE(model.insert(1, 3, 4, "&Save Output File", &save_output));
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(model.remove(2, 0)) << i;
  mirror.replay(model);

  EXPECT_EQ(titles(model), Strings{"&File"});
  EXPECT_EQ(texts(model, 1),
            (Strings{"&Open Input File", "&Print...", "&Save Output File", "E&xit\tCtrl+C"}));
  EXPECT_EQ(model.item(1, 1)->command, 1101);
  EXPECT_EQ(model.item(1, 3)->command, 1102);
  EXPECT_EQ(model.item(1, 2)->command, kCmdPrint);
  EXPECT_EQ(model.item(1, 4)->command, kCmdExit);
  EXPECT_EQ(model.window_menu(), 0);
  // Whole menus went: their control keys keep acting.
  EXPECT_TRUE(model.presence().present(kCmdPause));
  EXPECT_TRUE(model.presence().present(kCmdExit));
  EXPECT_FALSE(model.remove(2, 0));  // a sixth deletion finds no menu

  open_calls = save_calls = 0;
  std::int32_t checked = 0;
  model.routine_for(1101, false)(&checked);
  model.routine_for(1102, false)(&checked);
  EXPECT_EQ(open_calls, 1);
  EXPECT_EQ(save_calls, 1);
  EXPECT_EQ(model.routine_for(1101, true), nullptr);  // user items do nothing while paused
}

TEST(MenuModel, WindowMenuIsReleasedBeforeItIsRemoved) {
  MenuModel model = MenuModel::standard();
  model.take_changes();
  ASSERT_TRUE(model.remove(5, 0));
  const std::vector<MenuChange> changes = model.take_changes();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].kind, MenuChange::Kind::kWindowMenu);
  EXPECT_EQ(changes[0].menu, 0);
  EXPECT_EQ(changes[1].kind, MenuChange::Kind::kRemove);
  EXPECT_EQ(changes[1].menu, 5);
}

TEST(MenuModel, InsertPositions) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  ASSERT_TRUE(model.insert(1, 1, 4, "A", nullptr));  // File now holds 4 items
  EXPECT_FALSE(model.insert(1, 7, 4, "B", nullptr));
  EXPECT_FALSE(model.insert(1, 6, 4, "B", nullptr));
  EXPECT_TRUE(model.insert(1, 5, 4, "Last", nullptr));
  EXPECT_EQ(texts(model, 1).back(), "&Last");
  EXPECT_FALSE(model.insert(0, 1, 4, "B", nullptr));
  EXPECT_FALSE(model.insert(1, -1, 4, "B", nullptr));
  EXPECT_FALSE(model.insert(7, 1, 4, "B", nullptr));  // no seventh menu to put an item in
  EXPECT_FALSE(model.insert(8, 0, 4, "B", nullptr));
  EXPECT_TRUE(model.insert(7, 0, 4, "Tail", nullptr));  // one past the last: appended
  EXPECT_TRUE(model.insert(1, 0, 4, "Head", nullptr));  // before the first menu
  EXPECT_EQ(titles(model).front(), "&Head");
  EXPECT_EQ(titles(model).back(), "&Tail");
  EXPECT_FALSE(model.entry(1)->popup);
  EXPECT_EQ(model.window_menu(), 6);  // moved along with its menu
  mirror.replay(model);
  // Failed calls handed out no numbers: A, Last, Tail, Head.
  EXPECT_EQ(model.user_items().next_number(), 1105);
}

TEST(MenuModel, AppendGoesToTheEndOrOntoTheBar) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  EXPECT_TRUE(model.append(4, 4, "Step", &open_input));
  EXPECT_EQ(texts(model, 4), (Strings{"&Pause\tCtrl+S", "&Step"}));
  EXPECT_TRUE(model.append(7, 16, "Go", &save_output));
  EXPECT_EQ(model.menu_count(), 7);
  EXPECT_FALSE(model.entry(7)->popup);
  EXPECT_TRUE(model.entry(7)->head.checked);
  EXPECT_EQ(model.check_state(model.entry(7)->head.command), 1);
  EXPECT_FALSE(model.append(9, 4, "X", nullptr));
  EXPECT_FALSE(model.append(0, 4, "X", nullptr));
  mirror.replay(model);
}

TEST(MenuModel, TwentyFirstAppendedItemStartsANewColumn) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  while (model.item_count(2) < 20) ASSERT_TRUE(model.append(2, 4, "x", nullptr));
  ASSERT_TRUE(model.append(2, 4, "21st", nullptr));
  ASSERT_TRUE(model.append(2, 4, "22nd", nullptr));
  EXPECT_TRUE(model.item(2, 21)->column_break);
  EXPECT_FALSE(model.item(2, 22)->column_break);
  EXPECT_EQ(mf_flags(*model.item(2, 21)), kMfMenuBarBreak);
  for (int i = 1; i <= 20; ++i) EXPECT_FALSE(model.item(2, i)->column_break) << i;
  ASSERT_TRUE(model.insert(2, 1, 4, "front", nullptr));  // inserting makes no column
  EXPECT_FALSE(model.item(2, 1)->column_break);
  mirror.replay(model);
}

TEST(MenuModel, PlainEntryBecomesAPopupKeepingItsTextAndState) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  const std::string long_title = "A Rather Long Menu Title Of Thirty Four";
  ASSERT_TRUE(model.append(7, 1, long_title, &open_input));
  const CommandId old_number = model.entry(7)->head.command;
  EXPECT_FALSE(model.insert(7, 2, 4, "Sub", &save_output));  // no items yet
  ASSERT_TRUE(model.insert(7, 1, 4, "Sub", &save_output));
  const MenuEntry& entry = *model.entry(7);
  EXPECT_TRUE(entry.popup);
  EXPECT_EQ(entry.head.text, "&" + long_title);  // whole text kept
  EXPECT_TRUE(entry.head.grey);
  EXPECT_EQ(entry.head.command, 0);
  EXPECT_EQ(model.routine_for(old_number, false), nullptr);  // old routine cleared
  EXPECT_EQ(model.routine_for(entry.items[0].command, false), &save_output);
  mirror.replay(model);
}

TEST(MenuModel, DeletingItemsClearsRoutinesAndPresence) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  ASSERT_TRUE(model.insert(1, 1, 4, "Open", &open_input));
  ASSERT_TRUE(model.remove(1, 1));
  EXPECT_EQ(model.routine_for(1101, false), nullptr);

  ASSERT_TRUE(model.remove(4, 1));  // the Pause item by itself
  EXPECT_FALSE(model.presence().present(kCmdPause));
  EXPECT_FALSE(model.presence().present(kCmdResume));
  EXPECT_EQ(model.item_count(4), 0);
  EXPECT_FALSE(model.remove(4, 1));

  ASSERT_TRUE(model.remove(1, 1));  // Print is not tracked
  EXPECT_TRUE(model.presence().present(kCmdPrint));
  EXPECT_FALSE(model.remove(1, 3));
  EXPECT_FALSE(model.remove(1, -1));

  // Attaching the standard routine again brings it back.
  ASSERT_TRUE(model.insert(4, 1, 4, "Hold", StandardRoutine::WINSTATE));
  EXPECT_TRUE(model.presence().present(kCmdPause));
  EXPECT_EQ(model.item(4, 1)->command, kCmdPause);
  EXPECT_EQ(model.user_items().next_number(), 1102);  // no user number for it
  mirror.replay(model);
}

TEST(MenuModel, AStandardItemStaysPresentWhileACopyRemains) {
  MenuModel model = MenuModel::standard();
  ASSERT_TRUE(model.append(1, 4, "Copy too", StandardRoutine::WINCOPY));
  ASSERT_TRUE(model.remove(2, 4));  // Edit's Copy
  EXPECT_TRUE(model.presence().present(kCmdCopy));
  ASSERT_TRUE(model.remove(1, 4));
  EXPECT_FALSE(model.presence().present(kCmdCopy));
}

TEST(MenuModel, ModifyFlags) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  ASSERT_TRUE(model.modify_flags(1, 1, 1));
  EXPECT_TRUE(model.item(1, 1)->grey);
  ASSERT_TRUE(model.modify_flags(1, 1, 16));  // check only: still grey
  EXPECT_TRUE(model.item(1, 1)->checked);
  EXPECT_TRUE(model.item(1, 1)->grey);
  ASSERT_TRUE(model.modify_flags(1, 1, 4));  // enable only: still checked
  EXPECT_FALSE(model.item(1, 1)->grey);
  EXPECT_TRUE(model.item(1, 1)->checked);
  ASSERT_TRUE(model.modify_flags(1, 1, 32));
  EXPECT_FALSE(model.item(1, 1)->checked);
  ASSERT_TRUE(model.modify_flags(1, 1, 2));
  EXPECT_TRUE(model.item(1, 1)->disabled);
  EXPECT_FALSE(model.enabled_in_bar(kCmdPrint));
  ASSERT_TRUE(model.modify_flags(3, 0, 1));  // the View menu's own entry
  EXPECT_TRUE(model.entry(3)->head.grey);
  EXPECT_FALSE(model.modify_flags(1, 4, 1));
  EXPECT_FALSE(model.modify_flags(7, 0, 1));
  mirror.replay(model);
}

TEST(MenuModel, ModifyTextAppliesTheMnemonicRule) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  ASSERT_TRUE(model.modify_text(1, 1, "Run"));
  EXPECT_EQ(model.item(1, 1)->text, "&Run");
  EXPECT_EQ(model.item(1, 1)->command, kCmdPrint);
  ASSERT_TRUE(model.modify_text(2, 0, "E&dit"));
  EXPECT_EQ(model.entry(2)->head.text, "E&dit");
  ASSERT_TRUE(model.append(1, 8, "", nullptr));  // a separator
  EXPECT_TRUE(model.item(1, 4)->separator);
  EXPECT_EQ(model.item(1, 4)->command, 0);
  EXPECT_FALSE(model.modify_text(1, 4, "Not here"));
  EXPECT_FALSE(model.modify_routine(1, 4, &open_input));
  EXPECT_EQ(model.user_items().next_number(), 1101);  // a separator runs nothing
  mirror.replay(model);
}

TEST(MenuModel, ModifyRoutine) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  ASSERT_TRUE(model.modify_flags(1, 3, 1));
  const std::string long_text = "E&xit\tCtrl+C";
  // A standard item gets a new user number; its text and state stay.
  ASSERT_TRUE(model.modify_routine(1, 3, &open_input));
  EXPECT_EQ(model.item(1, 3)->command, 1101);
  EXPECT_EQ(model.item(1, 3)->text, long_text);
  EXPECT_TRUE(model.item(1, 3)->grey);
  EXPECT_FALSE(model.presence().present(kCmdExit));
  // A user item keeps its number.
  ASSERT_TRUE(model.modify_routine(1, 3, &save_output));
  EXPECT_EQ(model.item(1, 3)->command, 1101);
  EXPECT_EQ(model.routine_for(1101, false), &save_output);
  ASSERT_TRUE(model.modify_routine(1, 3, StandardRoutine::NUL));
  EXPECT_EQ(model.item(1, 3)->command, 1101);
  EXPECT_EQ(model.routine_for(1101, false), nullptr);
  // Back to the standard command: present again, user routine gone.
  ASSERT_TRUE(model.modify_routine(1, 3, &open_input));
  ASSERT_TRUE(model.modify_routine(1, 3, StandardRoutine::WINEXIT));
  EXPECT_EQ(model.item(1, 3)->command, kCmdExit);
  EXPECT_TRUE(model.presence().present(kCmdExit));
  EXPECT_EQ(model.routine_for(1101, false), nullptr);
  // Text longer than 23 characters is kept whole.
  const std::string text = "&Export Report As Plain Text...";
  ASSERT_TRUE(model.modify_text(1, 1, text));
  ASSERT_TRUE(model.modify_routine(1, 1, &open_input));
  EXPECT_EQ(model.item(1, 1)->text, text);
  EXPECT_FALSE(model.modify_routine(2, 0, &open_input));  // a menu title runs nothing
  EXPECT_FALSE(model.modify_routine(1, 9, &open_input));
  mirror.replay(model);
}

TEST(MenuModel, SetWindowMenu) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  ASSERT_TRUE(model.set_window_menu(2));
  EXPECT_EQ(model.window_menu(), 2);
  EXPECT_FALSE(model.entry(5)->window_list);
  ASSERT_TRUE(model.append(7, 4, "Plain", nullptr));
  ASSERT_TRUE(model.set_window_menu(7));  // the list needs a popup
  EXPECT_TRUE(model.entry(7)->popup);
  EXPECT_FALSE(model.set_window_menu(0));
  EXPECT_FALSE(model.set_window_menu(8));
  EXPECT_EQ(model.window_menu(), 7);
  mirror.replay(model);
}

TEST(MenuModel, PauseItemSwitchesWhereverItIs) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  ItemStateInputs in;
  in.program_state = 1;
  model.apply(item_states(in, model.presence()));
  EXPECT_EQ(model.item(4, 1)->text, "&Resume\tCtrl+Q");
  EXPECT_EQ(model.item(4, 1)->command, kCmdResume);
  EXPECT_TRUE(model.presence().present(kCmdPause));
  in.program_state = 0;
  ASSERT_TRUE(model.modify_flags(4, 1, 1));
  model.apply(item_states(in, model.presence()));
  EXPECT_EQ(model.item(4, 1)->command, kCmdPause);
  EXPECT_TRUE(model.item(4, 1)->grey);  // its grey state is kept
  mirror.replay(model);
}

TEST(MenuModel, PausedWithTheStateMenuRemovedWholeIsNoError) {
  MenuModel model = MenuModel::standard();
  ASSERT_TRUE(model.remove(4, 0));
  model.take_changes();
  ItemStateInputs in;
  in.program_state = 1;
  const ItemStates states = item_states(in, model.presence());
  ASSERT_TRUE(states.pause_item);  // still marked present: Ctrl+S/Ctrl+Q act
  model.apply(states);
  for (const MenuChange& c : model.take_changes()) {
    EXPECT_NE(c.data.command, kCmdResume);
  }
  EXPECT_FALSE(model.find(kCmdResume));
}

TEST(MenuModel, ApplyBringsStandardItemsUpToDate) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  ItemStateInputs in;
  in.input_pending = true;
  in.fit_mode = true;
  model.apply(item_states(in, model.presence()));
  EXPECT_FALSE(model.item(5, 4)->grey);    // Input
  EXPECT_TRUE(model.item(2, 1)->grey);     // Select Text in fit mode
  EXPECT_TRUE(model.item(3, 1)->checked);  // Size To Fit
  EXPECT_TRUE(model.item(5, 6)->checked);  // Status Bar shown
  mirror.replay(model);
  model.apply(item_states(in, model.presence()));
  EXPECT_TRUE(model.take_changes().empty());  // nothing changed, nothing to mirror
}

TEST(MenuModel, PauseGreysUserItemsAndResumeRestoresOnlyThose) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  ASSERT_TRUE(model.insert(1, 1, 4, "Open", &open_input));
  ASSERT_TRUE(model.insert(1, 2, 1, "Held back", &save_output));  // greyed by the program
  model.set_user_items_paused(true);
  EXPECT_TRUE(model.item(1, 1)->grey);
  EXPECT_TRUE(model.item(1, 2)->grey);
  EXPECT_FALSE(model.item(1, 3)->grey);  // Print is no user item
  model.set_user_items_paused(false);
  EXPECT_FALSE(model.item(1, 1)->grey);
  EXPECT_TRUE(model.item(1, 2)->grey);
  // The program's own choice while paused holds after the resume.
  model.set_user_items_paused(true);
  ASSERT_TRUE(model.modify_flags(1, 1, 1));
  model.set_user_items_paused(false);
  EXPECT_TRUE(model.item(1, 1)->grey);
  mirror.replay(model);
}

TEST(MenuModel, EndOfProgramGreysOnlyItemsRunningTheProgramsRoutines) {
  MenuModel model = MenuModel::standard();
  Mirror mirror(model);
  ASSERT_TRUE(model.insert(1, 1, 4, "Open", &open_input));
  ASSERT_TRUE(model.insert(1, 2, 4, "Nothing", StandardRoutine::NUL));
  ASSERT_TRUE(model.insert(1, 3, 4, "Copy", StandardRoutine::WINCOPY));
  model.grey_program_items();
  EXPECT_TRUE(model.item(1, 1)->grey);
  EXPECT_FALSE(model.item(1, 2)->grey);
  EXPECT_FALSE(model.item(1, 3)->grey);
  mirror.replay(model);
}

TEST(MenuModel, BarPositionCountsPastAMaximisedChildsMenu) {
  EXPECT_EQ(bar_position(1, false), 0);
  EXPECT_EQ(bar_position(1, true), 1);
  EXPECT_EQ(bar_position(3, true), 3);
}

TEST(MenuModel, DoubleByteTextsUseTheLeadBytePredicate) {
  MenuModel model = MenuModel::standard([](unsigned char b) { return b >= 0x81 && b <= 0x9F; });
  ASSERT_TRUE(model.insert(1, 1, 4, "\x81&", nullptr));
  EXPECT_EQ(model.item(1, 1)->text, "&\x81&");
}

}  // namespace
