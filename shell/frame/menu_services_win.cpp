// INSERTMENUQQ and its companions: each applies the change to the menu
// model and mirrors it into the real menu bar. A standard routine passed as
// an item's routine gives the item that standard command.
#include "shell/frame/menu_services.h"

#include <windows.h>

#include <cstring>
#include <mutex>
#include <new>

#include "shell/child/child_record_win.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/frame/menu_lock_win.h"
#include "shell/frame/menu_bar_win.h"
#include "shell/frame/window_config_win.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/window_table_win.h"

namespace shell {
namespace {

struct StandardEntry {
  MenuRoutine routine;
  StandardRoutine standard;
};

const StandardEntry kStandardRoutines[] = {
    {WINPRINT, StandardRoutine::WINPRINT},
    {WINSAVE, StandardRoutine::WINSAVE},
    {WINEXIT, StandardRoutine::WINEXIT},
    {WINCOPY, StandardRoutine::WINCOPY},
    {WINPASTE, StandardRoutine::WINPASTE},
    {WINSIZETOFIT, StandardRoutine::WINSIZETOFIT},
    {WINFULLSCREEN, StandardRoutine::WINFULLSCREEN},
    {WINSTATE, StandardRoutine::WINSTATE},
    {WINTILE, StandardRoutine::WINTILE},
    {WINCASCADE, StandardRoutine::WINCASCADE},
    {WINARRANGE, StandardRoutine::WINARRANGE},
    {WININPUT, StandardRoutine::WININPUT},
    {WINCLEARPASTE, StandardRoutine::WINCLEARPASTE},
    {WINSTATUS, StandardRoutine::WINSTATUS},
    {WININDEX, StandardRoutine::WININDEX},
    {WINUSING, StandardRoutine::WINUSING},
    {WINABOUT, StandardRoutine::WINABOUT},
    {WINSELECTTEXT, StandardRoutine::WINSELECTTEXT},
    {WINSELECTGRAPHICS, StandardRoutine::WINSELECTGRAPHICS},
    {WINSELECTALL, StandardRoutine::WINSELECTALL},
    {NUL, StandardRoutine::NUL},
};

ItemRoutine item_routine(MenuRoutine routine) {
  for (const StandardEntry& e : kStandardRoutines) {
    if (e.routine == routine) return ItemRoutine(e.standard);
  }
  return ItemRoutine(routine);
}

// The common first step: a call from the program's main thread needs its
// active window, configured.
bool menus_usable() {
  if (GetCurrentThreadId() == shell_state().program_thread_id) {
    ChildRecord* r = record_of(wggetactive());
    if (r == nullptr) return false;
    ensure_configured(*r);
  }
  return true;
}

// A menu call that fails, or an item text without memory, is reported in
// the shell's error box and the service returns false.
template <typename Change>
std::int32_t change_menus(Change change) {
  if (!menus_usable()) return 0;
  bool ok = false;
  bool mirrored = true;
  try {
    std::lock_guard<std::recursive_mutex> lock(menu_lock());
    ok = change(menu_model());
    mirrored = mirror_menu_changes();
  } catch (const std::bad_alloc&) {
    error_box(4, __FILE__, __LINE__);
    return 0;
  }
  if (!mirrored) {
    error_box(5, __FILE__, __LINE__);
    return 0;
  }
  return ok ? 1 : 0;
}

}  // namespace
}  // namespace shell

using namespace shell;

std::int32_t INSERTMENUQQ(std::int32_t menu, std::int32_t item, std::int32_t flags,
                          const char* text, MenuRoutine routine) {
  return change_menus([&](MenuModel& m) {
    return m.insert(menu, item, flags, text != nullptr ? text : "", item_routine(routine));
  });
}

std::int32_t APPENDMENUQQ(std::int32_t menu, std::int32_t flags, const char* text,
                          MenuRoutine routine) {
  return change_menus([&](MenuModel& m) {
    return m.append(menu, flags, text != nullptr ? text : "", item_routine(routine));
  });
}

std::int32_t DELETEMENUQQ(std::int32_t menu, std::int32_t item) {
  return change_menus([&](MenuModel& m) { return m.remove(menu, item); });
}

std::int32_t MODIFYMENUFLAGSQQ(std::int32_t menu, std::int32_t item, std::int32_t flags) {
  return change_menus([&](MenuModel& m) { return m.modify_flags(menu, item, flags); });
}

std::int32_t MODIFYMENUSTRINGQQ(std::int32_t menu, std::int32_t item, const char* text) {
  return change_menus(
      [&](MenuModel& m) { return m.modify_text(menu, item, text != nullptr ? text : ""); });
}

std::int32_t MODIFYMENUROUTINEQQ(std::int32_t menu, std::int32_t item, MenuRoutine routine) {
  return change_menus(
      [&](MenuModel& m) { return m.modify_routine(menu, item, item_routine(routine)); });
}

std::int32_t SETWINDOWMENUQQ(std::int32_t menu) {
  return change_menus([&](MenuModel& m) { return m.set_window_menu(menu); });
}

// The standard routines only identify their commands; choosing the item
// runs the command, not the routine. Each body differs, so that no two can
// be folded into one address.
namespace {
volatile int g_last_standard_routine = 0;
}  // namespace

void WINPRINT(std::int32_t*) {
  g_last_standard_routine = 1;
}
void WINSAVE(std::int32_t*) {
  g_last_standard_routine = 2;
}
void WINEXIT(std::int32_t*) {
  g_last_standard_routine = 3;
}
void WINCOPY(std::int32_t*) {
  g_last_standard_routine = 4;
}
void WINPASTE(std::int32_t*) {
  g_last_standard_routine = 5;
}
void WINSIZETOFIT(std::int32_t*) {
  g_last_standard_routine = 6;
}
void WINFULLSCREEN(std::int32_t*) {
  g_last_standard_routine = 7;
}
void WINSTATE(std::int32_t*) {
  g_last_standard_routine = 8;
}
void WINTILE(std::int32_t*) {
  g_last_standard_routine = 9;
}
void WINCASCADE(std::int32_t*) {
  g_last_standard_routine = 10;
}
void WINARRANGE(std::int32_t*) {
  g_last_standard_routine = 11;
}
void WININPUT(std::int32_t*) {
  g_last_standard_routine = 12;
}
void WINCLEARPASTE(std::int32_t*) {
  g_last_standard_routine = 13;
}
void WINSTATUS(std::int32_t*) {
  g_last_standard_routine = 14;
}
void WININDEX(std::int32_t*) {
  g_last_standard_routine = 15;
}
void WINUSING(std::int32_t*) {
  g_last_standard_routine = 16;
}
void WINABOUT(std::int32_t*) {
  g_last_standard_routine = 17;
}
void WINSELECTTEXT(std::int32_t*) {
  g_last_standard_routine = 18;
}
void WINSELECTGRAPHICS(std::int32_t*) {
  g_last_standard_routine = 19;
}
void WINSELECTALL(std::int32_t*) {
  g_last_standard_routine = 20;
}
void NUL(std::int32_t*) {
  g_last_standard_routine = 21;
}
