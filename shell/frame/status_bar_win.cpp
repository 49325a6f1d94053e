// Status bar window: two static panes laid out on the system font's
// character width, framed as sunken boxes on a light gray bar.
#include "shell/frame/status_bar_win.h"

#include <mutex>
#include <string>

#include "shell/frame/shell_texts.h"
#include "shell/startup/scoped_win.h"
#include "shell/startup/shell_state_win.h"

namespace shell {
namespace {

constexpr int kStatePaneId = 1;
constexpr int kMessagePaneId = 2;
// Another thread's change of the panes, carried out by the GUI thread: a
// thread that may hold a child's locks must never wait for the GUI thread.
constexpr UINT kShowState = WM_APP + 30;
constexpr UINT kShowMessage = WM_APP + 31;
constexpr UINT kReplacePrefix = WM_APP + 32;

std::mutex g_message_lock;
std::string g_pending_message;
std::string g_pending_old_prefix, g_pending_new_prefix;

struct BarMetrics {
  int char_width = 8;
  int char_height = 16;
};
BarMetrics g_metrics;
HWND g_state_pane = nullptr;
HWND g_message_pane = nullptr;

// Measured in a memory context, which has the screen's resolution: the
// bar's own context would cost a trip to the server under Wine.
void measure_system_font() {
  MemoryDc dc(nullptr);
  if (dc.get() == nullptr) return;
  Selected keep(dc.get(), GetStockObject(SYSTEM_FONT));
  TEXTMETRICA tm;
  if (GetTextMetricsA(dc.get(), &tm)) {
    g_metrics.char_width = tm.tmAveCharWidth;
    g_metrics.char_height = tm.tmHeight + tm.tmExternalLeading;
  }
}

void lay_out_panes(HWND hwnd) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  const int a = g_metrics.char_width;
  const int h = g_metrics.char_height;
  MoveWindow(g_state_pane, a + 1, 3, 9 * a - 1, h + 2, TRUE);
  MoveWindow(g_message_pane, 11 * a + 1, 3, rc.right - a - (11 * a + 1), h + 2, TRUE);
}

void draw_sunken_box(HDC dc, int left, int top, int right, int bottom) {
  HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, left, bottom, nullptr);
  LineTo(dc, left, top);
  LineTo(dc, right, top);
  SelectObject(dc, GetStockObject(WHITE_PEN));
  LineTo(dc, right, bottom);
  LineTo(dc, left, bottom);
  SelectObject(dc, old);
}

void paint_bar(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  HPEN grey = CreatePen(PS_SOLID, 1, RGB(175, 175, 175));
  HGDIOBJ old = SelectObject(dc, grey);
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, rc.right, 0);
  SelectObject(dc, GetStockObject(WHITE_PEN));
  MoveToEx(dc, 0, 1, nullptr);
  LineTo(dc, rc.right, 1);
  SelectObject(dc, old);
  DeleteObject(grey);
  const int a = g_metrics.char_width;
  const int h = g_metrics.char_height;
  draw_sunken_box(dc, a, 2, 10 * a, h + 5);
  draw_sunken_box(dc, 11 * a, 2, rc.right - a, h + 5);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK status_bar_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_CREATE: {
      measure_system_font();
      const auto instance = shell_state().instance;
      g_state_pane = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0, hwnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatePaneId)),
                                   instance, nullptr);
      g_message_pane = CreateWindowA(
          "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, hwnd,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMessagePaneId)), instance, nullptr);
      return 0;
    }
    case WM_SIZE:
      lay_out_panes(hwnd);
      return 0;
    case WM_PAINT:
      paint_bar(hwnd);
      return 0;
    case kShowState:
      show_state_word(static_cast<int>(wparam));
      return 0;
    case kShowMessage: {
      std::string text;
      {
        std::lock_guard<std::mutex> lock(g_message_lock);
        text = g_pending_message;
      }
      if (g_message_pane != nullptr) SetWindowTextA(g_message_pane, text.c_str());
      return 0;
    }
    case kReplacePrefix: {
      std::string old_prefix, new_prefix;
      {
        std::lock_guard<std::mutex> lock(g_message_lock);
        old_prefix = g_pending_old_prefix;
        new_prefix = g_pending_new_prefix;
      }
      replace_message_prefix(old_prefix, new_prefix);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      SetBkColor(reinterpret_cast<HDC>(wparam), RGB(192, 192, 192));
      return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
    default:
      return DefWindowProcA(hwnd, msg, wparam, lparam);
  }
}

}  // namespace

bool register_status_bar_class() {
  static const std::string name = shell_state().program_name + "STATUSBAR";
  WNDCLASSA wc = {};
  wc.lpfnWndProc = status_bar_proc;
  wc.hInstance = shell_state().instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  wc.lpszClassName = name.c_str();
  return RegisterClassA(&wc) != 0;
}

HWND create_status_bar(HWND frame) {
  const std::string name = shell_state().program_name + "STATUSBAR";
  return CreateWindowA(name.c_str(), nullptr, WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, frame,
                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)),
                       shell_state().instance, nullptr);
}

int status_bar_height() {
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  const int font = g_metrics.char_height + 6;
  return caption > font ? caption : font;
}

void show_state_word(int state) {
  if (state < 0 || state > 2 || g_state_pane == nullptr) return;
  if (!on_gui_thread()) {
    PostMessageA(shell_state().status_bar, kShowState, static_cast<WPARAM>(state), 0);
    return;
  }
  SetWindowTextA(g_state_pane, state_word(state).c_str());
  if (shell_state().status_bar_shown) UpdateWindow(shell_state().status_bar);
}

void show_status_message(const char* text) {
  if (g_message_pane == nullptr) return;
  {
    // Also on the GUI thread: a change posted earlier by another thread and
    // carried out later must show this newer text, not its own.
    std::lock_guard<std::mutex> lock(g_message_lock);
    g_pending_message = text != nullptr ? text : "";
  }
  if (!on_gui_thread()) {
    PostMessageA(shell_state().status_bar, kShowMessage, 0, 0);
    return;
  }
  SetWindowTextA(g_message_pane, text != nullptr ? text : "");
}

void replace_message_prefix(const std::string& old_prefix, const std::string& new_prefix) {
  if (g_message_pane == nullptr || old_prefix.empty()) return;
  if (!on_gui_thread()) {
    {
      std::lock_guard<std::mutex> lock(g_message_lock);
      g_pending_old_prefix = old_prefix;
      g_pending_new_prefix = new_prefix;
    }
    PostMessageA(shell_state().status_bar, kReplacePrefix, 0, 0);
    return;
  }
  char shown[512] = {};
  GetWindowTextA(g_message_pane, shown, sizeof shown);
  const std::string text = shown;
  if (text.compare(0, old_prefix.size(), old_prefix) != 0) return;
  SetWindowTextA(g_message_pane, (new_prefix + text.substr(old_prefix.size())).c_str());
}

}  // namespace shell
