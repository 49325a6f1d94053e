// The menu services through which a program adds, removes and changes menu
// items and attaches its routines, and the shell's standard routines that
// give an item a standard command. Declared without platform headers.
#pragma once

#include <cstdint>

#include "shell/frame/user_items.h"

std::int32_t INSERTMENUQQ(std::int32_t menu, std::int32_t item, std::int32_t flags,
                          const char* text, shell::MenuRoutine routine);
std::int32_t APPENDMENUQQ(std::int32_t menu, std::int32_t flags, const char* text,
                          shell::MenuRoutine routine);
std::int32_t DELETEMENUQQ(std::int32_t menu, std::int32_t item);
std::int32_t MODIFYMENUFLAGSQQ(std::int32_t menu, std::int32_t item, std::int32_t flags);
std::int32_t MODIFYMENUSTRINGQQ(std::int32_t menu, std::int32_t item, const char* text);
std::int32_t MODIFYMENUROUTINEQQ(std::int32_t menu, std::int32_t item, shell::MenuRoutine routine);
std::int32_t SETWINDOWMENUQQ(std::int32_t menu);

// Standard routines: passed as an item's routine they give it the command.
void WINPRINT(std::int32_t* checked);
void WINSAVE(std::int32_t* checked);
void WINEXIT(std::int32_t* checked);
void WINCOPY(std::int32_t* checked);
void WINPASTE(std::int32_t* checked);
void WINSIZETOFIT(std::int32_t* checked);
void WINFULLSCREEN(std::int32_t* checked);
void WINSTATE(std::int32_t* checked);
void WINTILE(std::int32_t* checked);
void WINCASCADE(std::int32_t* checked);
void WINARRANGE(std::int32_t* checked);
void WININPUT(std::int32_t* checked);
void WINCLEARPASTE(std::int32_t* checked);
void WINSTATUS(std::int32_t* checked);
void WININDEX(std::int32_t* checked);
void WINUSING(std::int32_t* checked);
void WINABOUT(std::int32_t* checked);
void WINSELECTTEXT(std::int32_t* checked);
void WINSELECTGRAPHICS(std::int32_t* checked);
void WINSELECTALL(std::int32_t* checked);
void NUL(std::int32_t* checked);

// Replaces the About box text (at most 512 characters); false when too long.
bool SetAboutBox(const char* text);
