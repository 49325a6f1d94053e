// The printing dialog: a template of a caption, a centred text and a Cancel
// button, in dialog units, placed a fifth of the way into the screen.
#include "shell/graphics/printing_dialog_win.h"

#include <string>
#include <vector>

#include "shell/graphics/print_page.h"
#include "shell/startup/shell_state_win.h"

namespace shell {
namespace {

constexpr short kWidth = 100, kHeight = 60;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kButtonClass = 0x0080;

HWND g_dialog = nullptr;
PrintMessages* g_messages = nullptr;

// Dialog templates hold their texts as UTF-16; the texts are ANSI.
void put_text(std::vector<WORD>& t, const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> wide(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  for (wchar_t c : wide) t.push_back(static_cast<WORD>(c));
}

void put_dword(std::vector<WORD>& t, DWORD v) {
  t.push_back(LOWORD(v));
  t.push_back(HIWORD(v));
}

void put_item(std::vector<WORD>& t, DWORD style, short x, short y, short cx, short cy, WORD id,
              WORD window_class, const std::string& text) {
  if (t.size() % 2 != 0) t.push_back(0);  // items start on a 4-byte boundary
  put_dword(t, style | WS_CHILD | WS_VISIBLE);
  put_dword(t, 0);
  for (short v : {x, y, cx, cy}) t.push_back(static_cast<WORD>(v));
  t.push_back(id);
  t.push_back(0xFFFF);
  t.push_back(window_class);
  put_text(t, text);
  t.push_back(0);  // no creation data
}

std::vector<WORD> dialog_template() {
  std::vector<WORD> t;
  put_dword(t, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE);
  put_dword(t, 0);
  t.push_back(2);  // items
  t.push_back(static_cast<WORD>((GetSystemMetrics(SM_CXSCREEN) - kWidth) / 5));
  t.push_back(static_cast<WORD>((GetSystemMetrics(SM_CYSCREEN) - kHeight) / 5));
  t.push_back(kWidth);
  t.push_back(kHeight);
  t.push_back(0);  // no menu
  t.push_back(0);  // the standard dialog class
  put_text(t, print_message_text(7));
  put_item(t, SS_CENTER, 0, 15, 100, 20, 0xFFFF, kStaticClass, print_message_text(6));
  put_item(t, BS_PUSHBUTTON | WS_TABSTOP, 30, 40, 40, 14, IDCANCEL, kButtonClass,
           print_message_text(5));
  return t;
}

void cancel_print() {
  if (g_messages != nullptr) g_messages->cancel();
  EnableWindow(shell_state().frame, TRUE);
  destroy_printing_dialog();
}

INT_PTR CALLBACK printing_dialog_proc(HWND, UINT msg, WPARAM wparam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDCANCEL) {
        cancel_print();
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

HWND create_printing_dialog(PrintMessages& messages) {
  g_messages = &messages;
  const std::vector<WORD> t = dialog_template();
  g_dialog = CreateDialogIndirectParamA(shell_state().instance,
                                        reinterpret_cast<const DLGTEMPLATE*>(t.data()),
                                        shell_state().frame, printing_dialog_proc, 0);
  return g_dialog;
}

void destroy_printing_dialog() {
  HWND dialog = g_dialog;
  g_dialog = nullptr;
  if (dialog != nullptr) DestroyWindow(dialog);
}

BOOL CALLBACK print_abort_procedure(HDC, int) {
  MSG msg;
  while ((g_messages == nullptr || !g_messages->cancelled()) &&
         PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The frame is closing: stop printing and leave the quit for the loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      cancel_print();
      break;
    }
    if (g_dialog == nullptr || !IsDialogMessageA(g_dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return g_messages == nullptr || !g_messages->cancelled();
}

}  // namespace shell
