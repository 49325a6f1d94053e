// The smallest Win32 program with a window, for the start-up benchmark's
// comparison: it registers a class, creates and shows one window and
// serves messages until it is closed.
#include <windows.h>

namespace {

LRESULT CALLBACK minimal_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = minimal_proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "bvrankWinbenchMinimal";
  if (RegisterClassA(&wc) == 0) return 1;
  HWND hwnd = CreateWindowA(wc.lpszClassName, "minimal", WS_OVERLAPPEDWINDOW, 0, 0, 700, 900,
                            nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr) return 1;
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
