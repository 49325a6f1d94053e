// A small library the driver loads into bvrank.exe to read the frame's menu
// bar there: under Wine a menu handle can be read only inside the process
// that owns it. describe_menus runs as a thread of bvrank.exe and writes one
// line per menu-bar entry and per item into a shared memory block named
// after the process, for the driver to read.
#include "e2e/menu_probe.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string item_line(HMENU menu, UINT position, int level) {
  char text[256] = {};
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
  info.dwTypeData = text;
  info.cch = sizeof text;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return {};
  char head[64];
  std::snprintf(head, sizeof head, "%d\t%u\t%u\t%u\t", level, info.wID, info.fState, info.fType);
  return head + std::string(text) + "\n";
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI describe_menus(LPVOID frame) {
  std::string out;
  HMENU bar = GetMenu(static_cast<HWND>(frame));
  const int entries = bar == nullptr ? -1 : GetMenuItemCount(bar);
  out += "bar\t" + std::to_string(entries) + "\n";
  for (int i = 0; i < entries; ++i) {
    out += item_line(bar, static_cast<UINT>(i), 0);
    HMENU menu = GetSubMenu(bar, i);
    const int items = menu == nullptr ? 0 : GetMenuItemCount(menu);
    for (int j = 0; j < items; ++j) out += item_line(menu, static_cast<UINT>(j), 1);
  }
  const std::string name = menu_probe::block_name(GetCurrentProcessId());
  HANDLE block = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name.c_str());
  if (block == nullptr) return 1;
  void* view = MapViewOfFile(block, FILE_MAP_WRITE, 0, 0, menu_probe::kBlockSize);
  DWORD result = 1;
  if (view != nullptr) {
    const std::size_t n =
        out.size() < menu_probe::kBlockSize - 1 ? out.size() : menu_probe::kBlockSize - 1;
    std::memcpy(view, out.data(), n);
    static_cast<char*>(view)[n] = '\0';
    UnmapViewOfFile(view);
    result = 0;
  }
  CloseHandle(block);
  return result;
}
