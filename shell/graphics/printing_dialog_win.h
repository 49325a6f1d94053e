// The dialog shown while a page prints ("Printing ", "Printing In
// Progress...", "Cancel"), built in memory, and the abort procedure that
// keeps the windows working and lets Cancel end the print.
#pragma once

#include <windows.h>

namespace shell {

class PrintMessages;

// Shows the printing dialog, owned by the frame; null when it cannot be
// made. Cancel (or closing it) calls messages.cancel(), enables the frame
// and destroys the dialog.
HWND create_printing_dialog(PrintMessages& messages);
// Destroys the dialog unless Cancel already did.
void destroy_printing_dialog();

// The abort procedure of a print: serves every waiting message of the
// thread (the printing dialog's through the dialog manager) and answers
// whether printing goes on. The print also calls it between its steps,
// since a printer driver may call it seldom or never.
BOOL CALLBACK print_abort_procedure(HDC printer, int error);

}  // namespace shell
