// The common dialogs (Open, Save, Print), reached through comdlg32 loaded
// on first use. Linked at start-up, comdlg32 and the libraries it brings
// (the shell's, the common controls', the print spooler's) would be loaded
// before the first window shows, for dialogs that come only after it.
#pragma once

#include <windows.h>  // with the common dialogs' declarations

namespace shell {

// As GetOpenFileNameA, GetSaveFileNameA and PrintDlgA; FALSE also when
// comdlg32 cannot be loaded (dialog_error() then says so).
BOOL open_file_dialog(OPENFILENAMEA* request);
BOOL save_file_dialog(OPENFILENAMEA* request);
BOOL print_dialog(PRINTDLGA* request);
// As CommDlgExtendedError.
DWORD dialog_error();

}  // namespace shell
