// A minimal terminal: a window with its own device context and a memory
// bitmap of the client area; for each line it moves to the next row
// (scrolling bitmap and window by one cell at the bottom) and draws the text
// into the bitmap and onto the window. Painting copies the bitmap.
#include "bench/win/reference_terminal.h"

#include <atomic>

#include "bench/win/qpc_clock.h"

namespace winbench {
namespace {

constexpr char kClassName[] = "bvrankWinbenchReference";
constexpr COLORREF kForeground = RGB(255, 255, 255);
constexpr COLORREF kBackground = RGB(0, 0, 0);
// Posted by a drawing thread so that the window's thread wakes up and
// Wine shows what was drawn (it copies window pixels out when a thread
// waits for messages).
constexpr UINT kFlush = WM_APP + 1;

struct Terminal {
  TerminalGeometry g;
  HWND hwnd = nullptr;
  HDC window_dc = nullptr;
  HDC memory_dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old_bitmap = nullptr;
  HFONT font = nullptr;
  HBRUSH background = nullptr;
  CRITICAL_SECTION drawing;  // the bitmap and the window's context, painting or drawing
  std::atomic<bool> flush_requested{false};
  int row = 0;  // 0-based row of the current line
  std::vector<INT> advances;
};

Terminal* g_terminal = nullptr;  // the one window of the reference

LRESULT CALLBACK reference_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (g_terminal != nullptr && g_terminal->memory_dc != nullptr) {
        const RECT& p = ps.rcPaint;
        EnterCriticalSection(&g_terminal->drawing);
        BitBlt(dc, p.left, p.top, p.right - p.left, p.bottom - p.top, g_terminal->memory_dc, p.left,
               p.top, SRCCOPY);
        GdiFlush();
        LeaveCriticalSection(&g_terminal->drawing);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    case kFlush:
      if (g_terminal != nullptr) g_terminal->flush_requested.store(false);
      GdiFlush();
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wparam, lparam);
  }
}

void serve_messages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool open_window(Terminal& t) {
  WNDCLASSA wc = {};
  wc.style = CS_OWNDC;
  wc.lpfnWndProc = reference_proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);  // already registered on a second run: that is fine
  const DWORD style = WS_OVERLAPPEDWINDOW;
  RECT frame = {0, 0, t.g.view_width > 0 ? t.g.view_width : t.g.width,
                t.g.view_height > 0 ? t.g.view_height : t.g.height};
  AdjustWindowRect(&frame, style, FALSE);
  t.hwnd = CreateWindowA(kClassName, "reference terminal", style, 0, 0, frame.right - frame.left,
                         frame.bottom - frame.top, nullptr, nullptr, wc.hInstance, nullptr);
  if (t.hwnd == nullptr) return false;
  t.window_dc = GetDC(t.hwnd);
  t.memory_dc = CreateCompatibleDC(t.window_dc);
  t.bitmap = CreateCompatibleBitmap(t.window_dc, t.g.width, t.g.height);
  t.font = CreateFontIndirectA(&t.g.font);
  t.background = CreateSolidBrush(kBackground);
  if (t.memory_dc == nullptr || t.bitmap == nullptr || t.font == nullptr) return false;
  t.old_bitmap = SelectObject(t.memory_dc, t.bitmap);
  RECT all = {0, 0, t.g.width, t.g.height};
  FillRect(t.memory_dc, &all, t.background);
  for (HDC dc : {t.memory_dc, t.window_dc}) {
    SelectObject(dc, t.font);
    SetTextColor(dc, kForeground);
    SetBkColor(dc, kBackground);
    SetBkMode(dc, OPAQUE);
  }
  g_terminal = &t;
  ShowWindow(t.hwnd, SW_SHOWNORMAL);
  UpdateWindow(t.hwnd);
  serve_messages();
  return true;
}

// Frees what open_window made; on the window's thread.
void close_window(Terminal& t) {
  g_terminal = nullptr;
  if (t.memory_dc != nullptr) {
    if (t.old_bitmap != nullptr) SelectObject(t.memory_dc, t.old_bitmap);
    DeleteDC(t.memory_dc);
  }
  if (t.bitmap != nullptr) DeleteObject(t.bitmap);
  if (t.hwnd != nullptr && IsWindow(t.hwnd)) {
    ReleaseDC(t.hwnd, t.window_dc);
    DestroyWindow(t.hwnd);
  }
  if (t.font != nullptr) DeleteObject(t.font);
  if (t.background != nullptr) DeleteObject(t.background);
  serve_messages();
}

// Moves the text up one cell in the bitmap and on the window; the window's
// parts that were not on screen are repainted from the bitmap later.
void scroll_one_row(Terminal& t) {
  const int text_height = t.g.rows * t.g.cell_height;
  const RECT area = {0, 0, t.g.width, text_height};
  const int shift = t.g.cell_height;
  BitBlt(t.memory_dc, 0, 0, t.g.width, text_height - shift, t.memory_dc, 0, shift, SRCCOPY);
  const RECT vacated = {0, text_height - shift, t.g.width, text_height};
  FillRect(t.memory_dc, &vacated, t.background);
  HRGN uncovered = CreateRectRgn(0, 0, 0, 0);
  ScrollDC(t.window_dc, 0, -shift, &area, &area, uncovered, nullptr);
  FillRect(t.window_dc, &vacated, t.background);
  InvalidateRgn(t.hwnd, uncovered, FALSE);
  DeleteObject(uncovered);
}

void new_line(Terminal& t) {
  if (t.row + 1 < t.g.rows) {
    ++t.row;
  } else {
    scroll_one_row(t);
  }
}

void draw_line(Terminal& t, const std::string& line) {
  const int n = static_cast<int>(line.size());
  t.advances.assign(line.size(), t.g.cell_width);
  const RECT rc = {0, t.row * t.g.cell_height, n * t.g.cell_width, (t.row + 1) * t.g.cell_height};
  ExtTextOutA(t.memory_dc, rc.left, rc.top, ETO_OPAQUE | ETO_CLIPPED, &rc, line.data(),
              static_cast<UINT>(n), t.advances.data());
  ExtTextOutA(t.window_dc, rc.left, rc.top, ETO_OPAQUE | ETO_CLIPPED, &rc, line.data(),
              static_cast<UINT>(n), t.advances.data());
}

// One line from a thread other than the window's: drawn under the lock,
// then the window's thread is woken (once while a wake-up is outstanding).
void draw_line_from_other_thread(Terminal& t, const std::string& line, bool first) {
  EnterCriticalSection(&t.drawing);
  if (!first) new_line(t);
  draw_line(t, line);
  GdiFlush();
  LeaveCriticalSection(&t.drawing);
  if (!t.flush_requested.exchange(true)) PostMessageA(t.hwnd, kFlush, 0, 0);
}

struct WindowThreadArgs {
  Terminal* terminal;
  HANDLE ready;  // set when the window is shown (or could not be made)
  bool opened = false;
};

DWORD WINAPI window_thread(LPVOID p) {
  auto* args = static_cast<WindowThreadArgs*>(p);
  Terminal& t = *args->terminal;
  args->opened = open_window(t);
  SetEvent(args->ready);
  if (args->opened) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  close_window(t);
  return 0;
}

double run_with_window_thread(Terminal& t, const std::vector<std::string>& lines) {
  WindowThreadArgs args{&t, CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  HANDLE thread = CreateThread(nullptr, 0, window_thread, &args, 0, nullptr);
  if (thread == nullptr) return -1;
  WaitForSingleObject(args.ready, INFINITE);
  double seconds = -1;
  if (args.opened) {
    const long long start = qpc_now();
    bool first = true;
    for (const std::string& line : lines) {
      draw_line_from_other_thread(t, line, first);
      first = false;
    }
    SendMessageA(t.hwnd, WM_NULL, 0, 0);  // the window's thread has served what was posted
    seconds = qpc_seconds(start, qpc_now());
    PostMessageA(t.hwnd, WM_CLOSE, 0, 0);
  }
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  CloseHandle(args.ready);
  return seconds;
}

struct SingleThreadArgs {
  Terminal* terminal;
  const std::vector<std::string>* lines;
  double seconds = -1;
};

DWORD WINAPI single_thread(LPVOID p) {
  auto* args = static_cast<SingleThreadArgs*>(p);
  Terminal& t = *args->terminal;
  if (open_window(t)) {
    const long long start = qpc_now();
    bool first = true;
    for (const std::string& line : *args->lines) {
      if (!first) new_line(t);
      first = false;
      draw_line(t, line);
      serve_messages();
    }
    GdiFlush();
    args->seconds = qpc_seconds(start, qpc_now());
  }
  close_window(t);
  return 0;
}

double run_single_thread(Terminal& t, const std::vector<std::string>& lines) {
  SingleThreadArgs args{&t, &lines};
  HANDLE thread = CreateThread(nullptr, 0, single_thread, &args, 0, nullptr);
  if (thread == nullptr) return -1;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return args.seconds;
}

}  // namespace

double run_reference_terminal(const TerminalGeometry& geometry,
                              const std::vector<std::string>& lines, ReferenceThreads threads) {
  Terminal t;
  t.g = geometry;
  InitializeCriticalSection(&t.drawing);
  const double seconds = threads == ReferenceThreads::kWindowThread
                             ? run_with_window_thread(t, lines)
                             : run_single_thread(t, lines);
  DeleteCriticalSection(&t.drawing);
  return seconds;
}

}  // namespace winbench
