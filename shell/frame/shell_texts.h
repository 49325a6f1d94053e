// The shell's replaceable texts: the exit prompt, the status bar's words and
// input-pending texts, the file dialogs' filter lists, the selection
// captions, the print messages and the help text. Each has a number;
// SETMESSAGEQQ replaces one for the rest of the run, and every place that
// shows one reads it here.
#pragma once

#include <cstdint>
#include <string>

namespace shell {

enum class ShellText : int {
  kExitCode = 1,      // "Program Terminated with exit code"
  kExitQuestion = 2,  // "\nExit Window?"
  kFinished = 3,      // status bar state words
  kPaused = 4,
  kRunning = 5,
  kTextFilter = 6,              // filter list of the file-name prompt
  kBitmapFilter = 7,            // filter list of File > Save...
  kInputPending = 8,            // "Input pending in " + window title
  kMousePending = 10,           // "Mouse input pending in " + window title
  kSelectTextCaption = 11,      // "Select Text - "
  kSelectGraphicsCaption = 12,  // "Select graphics in "
  kPrintAborted = 13,           // print messages 0 to 4
  kPrintDriverFailed = 14,
  kNoDefaultPrinter = 15,
  kNoPrinterDriver = 16,
  kPrintingError = 17,
  kPrintingCaption = 18,  // the printing dialog: caption, button, text
  kPrintingCancel = 19,
  kPrintingInProgress = 20,
  kHelpNotAvailable = 21,
};

// The current text of `id`. A filter list reads as its pieces (name,
// pattern, name, pattern, ...) joined by ";".
std::string shell_text(ShellText id);

// A filter list as the file dialogs take it: every piece ended by a NUL and
// the list by a second one. Pieces come in pairs; empty when there are none.
std::string filter_list(ShellText id);

// Replaces text `id` by a copy of `text`. A filter list is split at ";"
// into its pieces; a trailing name without a pattern is dropped. False (and
// nothing changes) for a null text and for numbers outside the table,
// 9 among them.
bool set_shell_text(int id, const char* text);

// The state word of a program state (0 Running, 1 Paused, 2 Finished);
// empty for any other value.
std::string state_word(int state);

// Puts every text back to its first value (for tests).
void reset_shell_texts();

}  // namespace shell

// Replaces one of the shell's texts by number (see ShellText); a text shown
// in the status bar at the time is shown anew.
void SETMESSAGEQQ(const char* text, std::int32_t id);
