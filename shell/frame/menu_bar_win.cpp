// Menu bars on the platform. The menu model is the authority on numbers and
// positions; every change it records is mirrored into the real menu bar,
// counting past a maximised child's menu, which the system puts in front.
#include "shell/frame/menu_bar_win.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "shell/child/child_record_win.h"
#include "shell/child/input_pending_win.h"
#include "shell/edit/paste_input.h"
#include "shell/edit/select_mode_win.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/frame/frame_window_win.h"
#include "shell/frame/help_file.h"
#include "shell/frame/menu_lock_win.h"
#include "shell/frame/shell_texts.h"
#include "shell/startup/program_hooks.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"

namespace shell {
namespace {

bool lead_byte(unsigned char b) {
  return IsDBCSLeadByte(b) != 0;
}

MenuModel& model_storage() {
  static MenuModel model = MenuModel::standard(shell_state().double_byte ? lead_byte : nullptr);
  return model;
}

bool g_help_mode = false;
// Set by the threads that change the menus, taken by the GUI thread's
// redraw: the window list moved to another menu, and a redraw request is
// on its way (further changes until the redraw ask for no other).
std::atomic<bool> g_window_menu_moved{false};
std::atomic<bool> g_redraw_requested{false};
std::string g_about_text =
    "bvrank\n\nRanks the residues of each chain of a PDB file by their averaged B values.";
std::string g_help_file;

bool child_menu_in_front() {
  HWND child = active_child();
  return child != nullptr && IsZoomed(child);
}

HMENU bar() {
  return shell_state().menu_bar;
}

UINT_PTR id_or_popup(const MenuItem& item, HMENU popup) {
  return popup != nullptr ? reinterpret_cast<UINT_PTR>(popup) : static_cast<UINT_PTR>(item.command);
}

bool insert_item(HMENU menu, int position, const MenuItem& item, HMENU popup) {
  const UINT flags =
      MF_BYPOSITION | static_cast<UINT>(mf_flags(item)) | (popup != nullptr ? MF_POPUP : 0);
  return InsertMenuA(menu, static_cast<UINT>(position), flags, id_or_popup(item, popup),
                     item.separator ? nullptr : item.text.c_str()) != 0;
}

bool update_item(HMENU menu, int position, const MenuItem& item) {
  HMENU popup = GetSubMenu(menu, position);
  const UINT flags =
      MF_BYPOSITION | static_cast<UINT>(mf_flags(item)) | (popup != nullptr ? MF_POPUP : 0);
  return ModifyMenuA(menu, static_cast<UINT>(position), flags, id_or_popup(item, popup),
                     item.separator ? nullptr : item.text.c_str()) != 0;
}

// Whether a change shows on the menu bar itself: the bar's entries and the
// window list's place. Items inside a menu show only when it opens, so
// changing them needs no redraw of the bar.
bool changes_the_bar(const MenuChange& c) {
  return c.item == 0 || c.kind == MenuChange::Kind::kMakePopup ||
         c.kind == MenuChange::Kind::kWindowMenu;
}

// Applies one change to the real menu bar; false when a menu call failed.
bool mirror(const MenuChange& c) {
  const int pos = bar_position(c.menu, child_menu_in_front());
  HMENU menu_bar = bar();
  switch (c.kind) {
    case MenuChange::Kind::kInsert:
      if (c.item == 0)
        return insert_item(menu_bar, pos, c.data, c.popup ? CreatePopupMenu() : nullptr);
      return insert_item(GetSubMenu(menu_bar, pos), c.item - 1, c.data, nullptr);
    case MenuChange::Kind::kRemove:
      return DeleteMenu(c.item == 0 ? menu_bar : GetSubMenu(menu_bar, pos),
                        static_cast<UINT>(c.item == 0 ? pos : c.item - 1), MF_BYPOSITION) != 0;
    case MenuChange::Kind::kUpdate:
      if (c.item == 0) return update_item(menu_bar, pos, c.data);
      return update_item(GetSubMenu(menu_bar, pos), c.item - 1, c.data);
    case MenuChange::Kind::kMakePopup:
      return ModifyMenuA(menu_bar, static_cast<UINT>(pos),
                         MF_BYPOSITION | MF_POPUP | static_cast<UINT>(mf_flags(c.data)),
                         reinterpret_cast<UINT_PTR>(CreatePopupMenu()), c.data.text.c_str()) != 0;
    case MenuChange::Kind::kWindowMenu:
      shell_state().window_menu = c.menu == 0 ? nullptr : GetSubMenu(menu_bar, pos);
      g_window_menu_moved.store(true);
      return true;
  }
  return true;
}

// Builds the real menu bar from the model (start-up).
void build_bar_from_model(MenuModel& m) {
  m.take_changes();
  HMENU menu_bar = bar();
  for (int menu = 1; menu <= m.menu_count(); ++menu) {
    const MenuEntry* e = m.entry(menu);
    HMENU popup = e->popup ? CreatePopupMenu() : nullptr;
    if (popup != nullptr) {
      for (const MenuItem& item : e->items)
        insert_item(popup, GetMenuItemCount(popup), item, nullptr);
    }
    insert_item(menu_bar, GetMenuItemCount(menu_bar), e->head, popup);
  }
  const int window_menu = m.window_menu();
  shell_state().window_menu = window_menu == 0 ? nullptr : GetSubMenu(menu_bar, window_menu - 1);
}

ItemStateInputs current_inputs() {
  ItemStateInputs in;
  in.program_state = shell_state().program_state.load();
  in.clipboard_has_text = IsClipboardFormatAvailable(CF_TEXT) != 0;
  const ChildRecord* r = child_record(active_child());
  in.fit_mode = r != nullptr && r->fit;
  in.full_screen = r != nullptr && r->in_full_screen();
  in.status_bar_shown = shell_state().status_bar_shown;
  in.input_pending = input_pending();
  in.paste_in_progress = paste_pending();
  in.selection = menu_selection(r);
  return in;
}

void set_check(CommandId command, bool on) {
  std::lock_guard<std::recursive_mutex> lock(menu_lock());
  MenuModel& m = model_storage();
  const std::optional<MenuPosition> p = m.find(command);
  if (!p) return;
  m.modify_flags(p->menu, p->item, on ? 16 : 32);
  mirror_menu_changes();
}

}  // namespace

MenuModel& menu_model() {
  return model_storage();
}

bool mirror_menu_changes() {
  std::lock_guard<std::recursive_mutex> lock(menu_lock());
  if (bar() == nullptr) {
    model_storage().take_changes();
    return true;
  }
  const std::vector<MenuChange> changes = model_storage().take_changes();
  bool all = true;
  bool bar_changed = false;
  for (const MenuChange& c : changes) {
    all = mirror(c) && all;
    bar_changed = bar_changed || changes_the_bar(c);
  }
  // The bar is redrawn by the GUI thread (a thread that holds a lock must
  // never wait for it), once for all the changes made until it redraws.
  if (bar_changed && !g_redraw_requested.exchange(true) &&
      !PostMessageA(shell_state().frame, kRedrawMenuBar, 0, 0)) {
    g_redraw_requested.store(false);
  }
  return all;
}

void redraw_menu_bar() {
  ShellState& s = shell_state();
  g_redraw_requested.store(false);
  if (g_window_menu_moved.exchange(false) && active_child() != nullptr) {
    SendMessageA(s.mdi_client, WM_MDISETMENU, reinterpret_cast<WPARAM>(s.menu_bar),
                 reinterpret_cast<LPARAM>(s.window_menu));
  }
  DrawMenuBar(s.frame);
}

bool build_minimal_menu_bar() {
  ShellState& s = shell_state();
  s.minimal_menu_bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  s.minimal_window_menu = CreatePopupMenu();
  if (s.minimal_menu_bar == nullptr || file == nullptr || s.minimal_window_menu == nullptr)
    return false;
  AppendMenuA(file, MF_STRING, kCmdMinimalExit, "E&xit");
  AppendMenuA(s.minimal_menu_bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  return true;
}

void install_menu_bar() {
  show_standard_menu_bar();
}

void update_menu_states(HMENU) {
  std::lock_guard<std::recursive_mutex> lock(menu_lock());
  MenuModel& m = model_storage();
  m.apply(item_states(current_inputs(), m.presence()));
  mirror_menu_changes();
}

void set_fit_check(bool on) {
  set_check(kCmdSizeToFit, on);
}
void set_status_bar_check(bool on) {
  set_check(kCmdStatusBar, on);
}

void set_input_item_enabled(bool enabled) {
  std::lock_guard<std::recursive_mutex> lock(menu_lock());
  MenuModel& m = model_storage();
  if (!m.presence().present(kCmdInput)) return;
  ItemStates states;
  states.items.push_back(ItemStateUpdate{kCmdInput, !enabled, std::nullopt});
  m.apply(states);
  mirror_menu_changes();
}

void set_paste_items(bool pending) {
  const bool clipboard_text = IsClipboardFormatAvailable(CF_TEXT) != 0;
  std::lock_guard<std::recursive_mutex> lock(menu_lock());
  MenuModel& m = model_storage();
  ItemStates states;
  if (m.presence().present(kCmdPaste))
    states.items.push_back(ItemStateUpdate{kCmdPaste, pending || !clipboard_text, std::nullopt});
  if (m.presence().present(kCmdClearPaste))
    states.items.push_back(ItemStateUpdate{kCmdClearPaste, !pending, std::nullopt});
  m.apply(states);
  mirror_menu_changes();
}

void set_user_items_enabled(bool enabled) {
  std::lock_guard<std::recursive_mutex> lock(menu_lock());
  model_storage().set_user_items_paused(!enabled);
  mirror_menu_changes();
}

void grey_program_items() {
  std::lock_guard<std::recursive_mutex> lock(menu_lock());
  model_storage().grey_program_items();
  mirror_menu_changes();
}

bool in_help_mode() {
  return g_help_mode;
}
void enter_help_mode() {
  g_help_mode = true;
}

void show_help_for_command(int command) {
  g_help_mode = false;
  const std::optional<std::int32_t> topic = help_topic(static_cast<CommandId>(command));
  if (!topic) {
    MessageBoxA(shell_state().frame, shell_text(ShellText::kHelpNotAvailable).c_str(),
                shell_state().program_name.c_str(), MB_OK);
    return;
  }
  open_help(*topic);
}

void open_help(int topic) {
  if (g_help_file.empty()) {
    const char* variable = std::getenv("TESLH_HLP");
    g_help_file = choose_help_file(
        variable != nullptr ? std::optional<std::string_view>(variable) : std::nullopt,
        [](const std::string& path) {
          return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
        },
        [](const std::string& name) -> std::optional<std::string> {
          char found[MAX_PATH];
          if (SearchPathA(nullptr, name.c_str(), nullptr, MAX_PATH, found, nullptr) == 0)
            return std::nullopt;
          return std::string(found);
        });
  }
  if (topic == 0) {
    WinHelpA(shell_state().frame, g_help_file.c_str(), HELP_INDEX, 0);
  } else if (topic < 0) {
    WinHelpA(shell_state().frame, nullptr, HELP_HELPONHELP, 0);
  } else {
    WinHelpA(shell_state().frame, g_help_file.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(topic));
  }
}

void show_about_box() {
  MessageBoxA(shell_state().frame, g_about_text.c_str(), shell_state().program_name.c_str(),
              MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

}  // namespace shell

bool SetAboutBox(const char* text) {
  if (text == nullptr || std::strlen(text) > 512) return false;
  shell::g_about_text = text;
  return true;
}

bool INITIALMENU() {
  using namespace shell;
  std::lock_guard<std::recursive_mutex> lock(menu_lock());
  if (bar() == nullptr) return false;
  build_bar_from_model(model_storage());
  return true;
}
