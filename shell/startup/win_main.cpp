// Process entry of bvrank.exe: a frame window named after the program and
// its message loop; the window closes and the process ends with code 0.
#include <windows.h>

namespace {

LRESULT CALLBACK frame_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = frame_proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = "bvrankFRAME";
  if (!RegisterClassA(&wc)) return 0;
  HWND frame = CreateWindowA("bvrankFRAME", "bvrank", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                             700, 900, nullptr, nullptr, instance, nullptr);
  if (frame == nullptr) return 0;
  ShowWindow(frame, show);
  UpdateWindow(frame);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
