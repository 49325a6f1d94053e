// The shell's menus as data: command numbers, the table of standard item
// texts, the standard and minimal menu bars, the Pause/Resume item, the
// standard routines a program may attach to its own items, and the help topic
// of each command. The frame builds its real menus from these in a loop.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace shell {

// Menu command numbers are 16-bit (they travel in the low word of a command
// message).
using CommandId = std::uint16_t;

enum MenuCommand : CommandId {
  kCmdMinimalExit = 10,  // "E&xit" of the minimal menu bar
  kCmdExit = 1000,
  kCmdSelectText = 1001,
  kCmdSelectGraphics = 1002,
  kCmdSelectAll = 1003,
  kCmdCopy = 1004,
  kCmdSizeToFit = 1006,
  kCmdFullScreen = 1007,
  kCmdPause = 1008,
  kCmdResume = 1009,
  kCmdCascade = 1010,
  kCmdTile = 1011,
  kCmdArrangeIcons = 1012,
  kCmdStatusBar = 1015,
  kCmdContents = 1016,
  kCmdUsingHelp = 1017,
  kCmdAbout = 1018,
  kCmdPrint = 1019,
  kCmdSave = 1020,
  kCmdPaste = 1021,
  kCmdClearPaste = 1022,
  kCmdInput = 1023,
  kCmdFirstUser = 1101,  // items carrying a routine of the program, in order of making
};

// One of the shell's own commands 1000..1023 (1005, 1013 and 1014 are unused).
bool is_standard_command(CommandId command);

// The standard item texts, in the order of the shell's text table. A tab
// separates the item name from the key shown at the right.
enum class MenuText {
  kPrint,
  kSave,
  kExit,
  kCopy,
  kPaste,
  kSizeToFit,
  kFullScreen,
  kPause,
  kResume,
  kCascade,
  kTile,
  kArrangeIcons,
  kInput,
  kClearPaste,
  kStatusBar,
  kContents,
  kUsingHelp,
  kAbout,
  kFile,
  kEdit,
  kView,
  kState,
  kWindow,
  kHelp,
  kSelectText,
  kSelectGraphics,
  kSelectAll,
};
inline constexpr std::size_t kMenuTextCount = 27;

const std::array<const char*, kMenuTextCount>& standard_menu_texts();
const char* menu_text(MenuText text);

// A menu bar as data: each menu with its title and items. `grey` items are
// made greyed; all others enabled.
struct MenuItemSpec {
  const char* text;
  CommandId command;
  bool grey;
};
struct MenuSpec {
  const char* title;
  std::vector<MenuItemSpec> items;
};

// File, Edit, View, State, Window, Help.
const std::vector<MenuSpec>& standard_menu_bar();
// Menu number (from 1) of the standard bar's window-list menu, "&Window".
inline constexpr int kStandardWindowMenu = 5;

// "&File" holding "E&xit" (command 10). The frame gives the MDI client a
// separate, empty popup as the window-list menu of this bar.
const std::vector<MenuSpec>& minimal_menu_bar();

// The State menu's single item: "&Pause\tCtrl+S" (1008) while running,
// "&Resume\tCtrl+Q" (1009) while paused.
struct PauseItem {
  const char* text;
  CommandId command;
};
PauseItem pause_item(bool paused);

// The shell's standard routines. Attaching one to a menu item gives the item
// that standard command instead of a user number; NUL makes a user item whose
// routine does nothing.
enum class StandardRoutine {
  WINPRINT,
  WINSAVE,
  WINEXIT,
  WINCOPY,
  WINPASTE,
  WINSIZETOFIT,
  WINFULLSCREEN,
  WINSTATE,
  WINTILE,
  WINCASCADE,
  WINARRANGE,
  WININPUT,
  WINCLEARPASTE,
  WINSTATUS,
  WININDEX,
  WINUSING,
  WINABOUT,
  WINSELECTTEXT,
  WINSELECTGRAPHICS,
  WINSELECTALL,
  NUL,
};

// The command a standard routine stands for; empty for NUL.
std::optional<CommandId> standard_routine_command(StandardRoutine routine);

// Context help: the help file topic of a command chosen in help mode; empty
// when the command has none, which is shown as the replaceable text
// ShellText::kHelpNotAvailable.
std::optional<std::int32_t> help_topic(CommandId command);

}  // namespace shell
