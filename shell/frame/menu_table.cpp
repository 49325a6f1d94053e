// Tables of the shell's menus: texts, bars, standard routines and help
// topics. Everything here is constant data built once.
#include "shell/frame/menu_table.h"

#include <utility>

namespace shell {

namespace {

constexpr std::pair<CommandId, std::int32_t> kHelpTopics[] = {
    {kCmdExit, 1000},         {kCmdCopy, 1002},      {kCmdSizeToFit, 1015},  {kCmdFullScreen, 1016},
    {kCmdPause, 1012},        {kCmdResume, 1013},    {kCmdCascade, 1010},    {kCmdTile, 1011},
    {kCmdArrangeIcons, 1009}, {kCmdStatusBar, 1008}, {kCmdAbout, 1001},      {kCmdPrint, 1017},
    {kCmdSave, 1018},         {kCmdPaste, 1007},     {kCmdClearPaste, 1014}, {kCmdInput, 1004},
};

MenuItemSpec item(MenuText text, CommandId command, bool grey = false) {
  return {menu_text(text), command, grey};
}

}  // namespace

bool is_standard_command(CommandId command) {
  if (command < kCmdExit || command > kCmdInput) return false;
  return command != 1005 && command != 1013 && command != 1014;
}

const std::array<const char*, kMenuTextCount>& standard_menu_texts() {
  static const std::array<const char*, kMenuTextCount> texts = {
      "&Print...",
      "&Save...",
      "E&xit\tCtrl+C",
      "&Copy\tCtrl+Ins",
      "&Paste",
      "&Size To Fit",
      "&Full Screen\tAlt+Enter",
      "&Pause\tCtrl+S",
      "&Resume\tCtrl+Q",
      "&Cascade",
      "&Tile",
      "&Arrange Icons",
      "&Input",
      "C&lear Paste",
      "&Status Bar",
      "&Contents",
      "Using &Help",
      "&About",
      "&File",
      "&Edit",
      "&View",
      "&State",
      "&Window",
      "&Help",
      "Select &Text",
      "Select &Graphics",
      "Select &All",
  };
  return texts;
}

const char* menu_text(MenuText text) {
  return standard_menu_texts()[static_cast<std::size_t>(text)];
}

const std::vector<MenuSpec>& standard_menu_bar() {
  using T = MenuText;
  static const std::vector<MenuSpec> bar = {
      {menu_text(T::kFile),
       {item(T::kPrint, kCmdPrint), item(T::kSave, kCmdSave), item(T::kExit, kCmdExit)}},
      {menu_text(T::kEdit),
       {item(T::kSelectText, kCmdSelectText), item(T::kSelectGraphics, kCmdSelectGraphics),
        item(T::kSelectAll, kCmdSelectAll), item(T::kCopy, kCmdCopy), item(T::kPaste, kCmdPaste)}},
      {menu_text(T::kView),
       {item(T::kSizeToFit, kCmdSizeToFit), item(T::kFullScreen, kCmdFullScreen)}},
      {menu_text(T::kState), {item(T::kPause, kCmdPause)}},
      {menu_text(T::kWindow),
       {item(T::kCascade, kCmdCascade), item(T::kTile, kCmdTile),
        item(T::kArrangeIcons, kCmdArrangeIcons), item(T::kInput, kCmdInput, true),
        item(T::kClearPaste, kCmdClearPaste), item(T::kStatusBar, kCmdStatusBar)}},
      {menu_text(T::kHelp),
       {item(T::kContents, kCmdContents), item(T::kUsingHelp, kCmdUsingHelp),
        item(T::kAbout, kCmdAbout)}},
  };
  return bar;
}

const std::vector<MenuSpec>& minimal_menu_bar() {
  static const std::vector<MenuSpec> bar = {
      {menu_text(MenuText::kFile), {{"E&xit", kCmdMinimalExit, false}}},
  };
  return bar;
}

PauseItem pause_item(bool paused) {
  if (paused) return {menu_text(MenuText::kResume), kCmdResume};
  return {menu_text(MenuText::kPause), kCmdPause};
}

std::optional<CommandId> standard_routine_command(StandardRoutine routine) {
  switch (routine) {
    case StandardRoutine::WINPRINT:
      return kCmdPrint;
    case StandardRoutine::WINSAVE:
      return kCmdSave;
    case StandardRoutine::WINEXIT:
      return kCmdExit;
    case StandardRoutine::WINCOPY:
      return kCmdCopy;
    case StandardRoutine::WINPASTE:
      return kCmdPaste;
    case StandardRoutine::WINSIZETOFIT:
      return kCmdSizeToFit;
    case StandardRoutine::WINFULLSCREEN:
      return kCmdFullScreen;
    case StandardRoutine::WINSTATE:
      return kCmdPause;
    case StandardRoutine::WINTILE:
      return kCmdTile;
    case StandardRoutine::WINCASCADE:
      return kCmdCascade;
    case StandardRoutine::WINARRANGE:
      return kCmdArrangeIcons;
    case StandardRoutine::WININPUT:
      return kCmdInput;
    case StandardRoutine::WINCLEARPASTE:
      return kCmdClearPaste;
    case StandardRoutine::WINSTATUS:
      return kCmdStatusBar;
    case StandardRoutine::WININDEX:
      return kCmdContents;
    case StandardRoutine::WINUSING:
      return kCmdUsingHelp;
    case StandardRoutine::WINABOUT:
      return kCmdAbout;
    case StandardRoutine::WINSELECTTEXT:
      return kCmdSelectText;
    case StandardRoutine::WINSELECTGRAPHICS:
      return kCmdSelectGraphics;
    case StandardRoutine::WINSELECTALL:
      return kCmdSelectAll;
    case StandardRoutine::NUL:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::int32_t> help_topic(CommandId command) {
  for (const auto& [topic_command, topic] : kHelpTopics) {
    if (topic_command == command) return topic;
  }
  return std::nullopt;
}

}  // namespace shell
