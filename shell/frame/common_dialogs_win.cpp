// comdlg32 is loaded by the first dialog call, on whichever thread makes
// it; the module then stays loaded for the life of the process.
#include "shell/frame/common_dialogs_win.h"

#include <atomic>

namespace shell {
namespace {

HMODULE dialogs_module() {
  static const HMODULE module = LoadLibraryA("comdlg32.dll");
  return module;
}

// The named function of comdlg32, or null when it cannot be had.
template <typename Function>
Function dialog_function(const char* name) {
  HMODULE module = dialogs_module();
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::atomic<bool> g_not_loaded{false};  // the last call found no comdlg32

template <typename Request>
BOOL call_dialog(BOOL(WINAPI* function)(Request*), Request* request) {
  g_not_loaded = function == nullptr;
  return function != nullptr ? function(request) : FALSE;
}

using FileDialog = BOOL(WINAPI*)(OPENFILENAMEA*);
using PrintDialog = BOOL(WINAPI*)(PRINTDLGA*);

}  // namespace

// Each function is looked up once, by its own name.
BOOL open_file_dialog(OPENFILENAMEA* request) {
  static const auto function = dialog_function<FileDialog>("GetOpenFileNameA");
  return call_dialog(function, request);
}

BOOL save_file_dialog(OPENFILENAMEA* request) {
  static const auto function = dialog_function<FileDialog>("GetSaveFileNameA");
  return call_dialog(function, request);
}

BOOL print_dialog(PRINTDLGA* request) {
  static const auto function = dialog_function<PrintDialog>("PrintDlgA");
  return call_dialog(function, request);
}

DWORD dialog_error() {
  static const auto function = dialog_function<DWORD(WINAPI*)()>("CommDlgExtendedError");
  if (g_not_loaded || function == nullptr) return CDERR_INITIALIZATION;
  return function();
}

}  // namespace shell
