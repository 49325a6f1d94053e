// Frame window procedure. Menu commands go to the active child; with none
// active only the minimal bar's Exit does anything. Destroying the frame
// installs the minimal menu bar, ends the message loop and closes every
// open unit, so nothing written is lost.
#include "shell/frame/frame_window_win.h"

#include <mutex>

#include "runtime/units.h"
#include "shell/child/child_commands_win.h"
#include "shell/child/child_record_win.h"
#include "shell/frame/menu_bar_win.h"
#include "shell/frame/menu_lock_win.h"
#include "shell/frame/menu_table.h"
#include "shell/frame/program_state_win.h"
#include "shell/frame/status_bar_win.h"
#include "shell/startup/class_icon_win.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"

namespace shell {
namespace {

// The frame is laid out at every size change and before a child window is
// made, mostly with nothing to change; under Wine every move or show costs
// a trip to the server and the display driver even then. So its children
// are moved and shown only when that changes something. A moved child is
// invalidated as usual, but its background is erased with its next paint
// rather than during the move: the frame's layout then returns at once,
// which at start-up saves the menu bar's install about 3 ms.
void move_frame_child(HWND child, int x, int y, int width, int height) {
  if (window_is_at(child, x, y, width, height)) return;
  SetWindowPos(child, nullptr, x, y, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
}

void show_frame_child(HWND child, bool show) {
  const bool shown = (GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != show) ShowWindow(child, show ? SW_SHOWNA : SW_HIDE);
}

BOOL CALLBACK note_minimised(HWND child, LPARAM found) {
  if (!IsIconic(child)) return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

bool any_child_minimised() {
  bool found = false;
  EnumChildWindows(shell_state().mdi_client, note_minimised, reinterpret_cast<LPARAM>(&found));
  return found;
}

void arrange_minimised_children() {
  const ShellState& s = shell_state();
  if (s.mdi_client != nullptr && any_child_minimised())
    SendMessageA(s.mdi_client, WM_MDIICONARRANGE, 0, 0);
}

LRESULT on_frame_create(HWND hwnd) {
  ShellState& s = shell_state();
  CLIENTCREATESTRUCT ccs = {};
  ccs.hWindowMenu = s.minimal_window_menu;
  ccs.idFirstChild = kFirstMdiChildId;
  s.mdi_client = CreateWindowExA(
      0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | MDIS_ALLCHILDSTYLES,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMdiClientId)), s.instance, &ccs);
  return s.mdi_client != nullptr ? 0 : -1;
}

void on_frame_destroy() {
  ShellState& s = shell_state();
  s.frame_closing.store(true);
  SetMenu(s.frame, s.minimal_menu_bar);
  PostQuitMessage(0);
  rt::finish();  // every open unit is closed; what was written stays on disk
}

// The shell's own commands: the minimal bar's Exit, the standard commands
// and the user items. Every other id (the window list, the system commands
// of a maximised child's buttons in the menu bar) belongs to the MDI frame.
bool shell_command(int command) {
  if (command == kCmdMinimalExit || (command >= kCmdExit && command <= kCmdInput)) return true;
  std::lock_guard<std::recursive_mutex> lock(menu_lock());
  return menu_model().user_items().in_range(static_cast<CommandId>(command));
}

void on_frame_command(int command) {
  HWND child = active_child();
  if (command == kCmdMinimalExit) {
    ExitCommand();
    return;
  }
  if (child != nullptr) {
    on_child_command(child, command);
    return;
  }
  if (in_help_mode()) show_help_for_command(command);
}

// F1 over a highlighted menu item: the menu closes, help mode starts and the
// item is chosen, so that its command shows its help topic.
UINT g_highlighted_command = 0;
HHOOK g_menu_hook = nullptr;

LRESULT CALLBACK menu_filter(int code, WPARAM wparam, LPARAM lparam) {
  const MSG* msg = reinterpret_cast<const MSG*>(lparam);
  if (code == MSGF_MENU && msg->message == WM_KEYDOWN && msg->wParam == VK_F1 &&
      g_highlighted_command != 0) {
    enter_help_mode();
    EndMenu();
    PostMessageA(shell_state().frame, WM_COMMAND, g_highlighted_command, 0);
    return 1;
  }
  return CallNextHookEx(g_menu_hook, code, wparam, lparam);
}

void on_menu_select(WPARAM wparam) {
  const UINT flags = HIWORD(wparam);
  const bool command_item =
      flags != 0xFFFF && (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)) == 0;
  g_highlighted_command = command_item ? LOWORD(wparam) : 0;
}

LRESULT CALLBACK frame_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  ShellState& s = shell_state();
  switch (msg) {
    case WM_CREATE:
      s.frame = hwnd;
      return on_frame_create(hwnd);
    case WM_SIZE:
      lay_out_frame();
      arrange_minimised_children();
      return 0;
    case WM_COMMAND:
      if (lparam == 0 && (shell_command(LOWORD(wparam)) || in_help_mode())) {
        on_frame_command(LOWORD(wparam));
        return 0;
      }
      break;
    case kRedrawMenuBar:
      redraw_menu_bar();
      return 0;
    case WM_MENUSELECT:
      on_menu_select(wparam);
      break;
    case WM_INITMENUPOPUP:
      update_menu_states(reinterpret_cast<HMENU>(wparam));
      break;
    case WM_DESTROY:
      on_frame_destroy();
      return 0;
    default:
      break;
  }
  return DefFrameProcA(hwnd, s.mdi_client, msg, wparam, lparam);
}

}  // namespace

std::string frame_class_name() {
  return shell_state().program_name + "FRAME";
}

bool register_frame_class() {
  static const std::string name = frame_class_name();
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = frame_proc;
  wc.hInstance = shell_state().instance;
  wc.hIcon = LoadIconA(shell_state().instance, "FRAMEICON");
  wc.hIconSm = load_small_icon(shell_state().instance, "FRAMEICON");
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = name.c_str();
  return RegisterClassExA(&wc) != 0;
}

void install_menu_help_hook() {
  if (g_menu_hook == nullptr) {
    g_menu_hook = SetWindowsHookExA(WH_MSGFILTER, menu_filter, nullptr, GetCurrentThreadId());
  }
}

HWND create_frame_window(HINSTANCE instance, const std::string& title) {
  const FrameSizeRequest& req = shell_state().frame_size;
  const bool placed = req.set && req.type == 4;
  static const std::string name = frame_class_name();
  return CreateWindowExA(0, name.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         placed ? req.x : CW_USEDEFAULT, placed ? req.y : CW_USEDEFAULT,
                         placed ? req.width : CW_USEDEFAULT, placed ? req.height : CW_USEDEFAULT,
                         nullptr, nullptr, instance, nullptr);
}

bool window_is_at(HWND hwnd, int x, int y, int width, int height) {
  RECT now;
  if (!GetWindowRect(hwnd, &now)) return false;
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&now), 2);
  return now.left == x && now.top == y && now.right - now.left == width &&
         now.bottom - now.top == height;
}

void lay_out_frame() {
  ShellState& s = shell_state();
  if (s.frame == nullptr || s.mdi_client == nullptr) return;
  RECT client;
  GetClientRect(s.frame, &client);
  const int bar = s.status_bar != nullptr && s.status_bar_shown ? status_bar_height() : 0;
  if (s.status_bar != nullptr) {
    if (bar > 0) move_frame_child(s.status_bar, 0, client.bottom - bar, client.right, bar);
    show_frame_child(s.status_bar, bar > 0);
  }
  move_frame_child(s.mdi_client, 0, 0, client.right, client.bottom - bar);
}

namespace {

// Whether a maximised child has its controls among the menu bar's items.
bool child_maximised() {
  BOOL maximised = FALSE;
  SendMessageA(shell_state().mdi_client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised));
  return maximised != FALSE;
}

// Switching or refreshing the frame's menus redraws the bar only when a
// maximised child has its controls among its items. A bar that replaces the
// frame's menu is set with SetMenu, which lays out and redraws the frame
// itself; otherwise only the window menu (a popup) changes. Each redraw of
// the bar costs milliseconds under Wine.
void set_frame_menus(HMENU bar, HMENU window_menu) {
  const ShellState& s = shell_state();
  const bool redraw = child_maximised();
  SendMessageA(s.mdi_client, WM_MDISETMENU, reinterpret_cast<WPARAM>(bar),
               reinterpret_cast<LPARAM>(window_menu));
  if (redraw) DrawMenuBar(s.frame);
}

}  // namespace

void show_standard_menu_bar() {
  ShellState& s = shell_state();
  if (s.menu_bar == nullptr) return;
  set_frame_menus(s.menu_bar, s.window_menu);
}

void show_minimal_menu_bar() {
  ShellState& s = shell_state();
  set_frame_menus(s.minimal_menu_bar, s.minimal_window_menu);
}

void refresh_window_menu() {
  const ShellState& s = shell_state();
  const bool redraw = child_maximised();
  SendMessageA(s.mdi_client, WM_MDIREFRESHMENU, 0, 0);
  if (redraw) DrawMenuBar(s.frame);
}

void update_menu_checks(HWND active) {
  const ChildRecord* r = child_record(active);
  set_fit_check(r != nullptr && r->fit);
  set_status_bar_check(shell_state().status_bar_shown);
}

}  // namespace shell
