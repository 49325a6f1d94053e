// File > Print... on the GUI thread. The print-setup record lives for the
// process, so the printer and page chosen once stay chosen. Each print
// shows at most one message, in an information box captioned with the
// program name, and none once the user pressed Cancel. The window is
// printed through its own record: no thread's active window changes and a
// window kept after its unit was closed prints as it is.
#include "shell/graphics/print_command_win.h"

#include <commdlg.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/child/child_record_win.h"
#include "shell/frame/common_dialogs_win.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/graphics/image_files_win.h"
#include "shell/graphics/image_math.h"
#include "shell/graphics/print_page.h"
#include "shell/graphics/printing_dialog_win.h"
#include "shell/graphics/window_command_win.h"
#include "shell/startup/shell_state_win.h"

namespace shell {
namespace {

PRINTDLGA g_setup = {};  // the print-setup record, made at the first print
PrintMessages g_messages;

void show_message(int number) {
  const std::optional<std::string> text = g_messages.take(number);
  if (!text) return;
  MessageBoxA(GetFocus(), text->c_str(), shell_state().program_name.c_str(),
              MB_OK | MB_ICONINFORMATION);
}

void free_global(HGLOBAL& h) {
  if (h != nullptr) GlobalFree(h);
  h = nullptr;
}

// Makes the record from the default printer the first time. Asking for the
// default every time also finds a printer that went away: the dialog itself
// would only tell the user to install one and return as if cancelled.
bool make_setup_record() {
  PRINTDLGA probe = {};
  probe.lStructSize = sizeof probe;
  probe.Flags = PD_RETURNDEFAULT;
  if (!print_dialog(&probe)) {
    const std::optional<int> message = setup_failure_message(dialog_error());
    if (message) show_message(*message);
    return false;
  }
  if (g_setup.lStructSize == 0) {
    g_setup.lStructSize = sizeof g_setup;
    g_setup.hDevMode = probe.hDevMode;
    g_setup.hDevNames = probe.hDevNames;
  } else {
    free_global(probe.hDevMode);
    free_global(probe.hDevNames);
  }
  return true;
}

// The printer's context from the print-setup dialog; null when the user
// cancelled or no printer could be had (after its message).
HDC choose_printer() {
  if (!make_setup_record()) return nullptr;
  g_setup.hwndOwner = shell_state().frame;
  g_setup.hDC = nullptr;
  g_setup.Flags = PD_RETURNDC | PD_HIDEPRINTTOFILE | PD_NOPAGENUMS | PD_NOSELECTION;
  g_setup.nCopies = 1;
  if (!print_dialog(&g_setup)) {
    const std::optional<int> message = setup_failure_message(dialog_error());
    if (message) show_message(*message);
    return nullptr;
  }
  if (g_setup.hDC == nullptr) {  // confirmed, but the printer's driver gave no context
    show_message(kPrintMessageDriver);
    return nullptr;
  }
  auto* mode = static_cast<DEVMODEA*>(GlobalLock(g_setup.hDevMode));
  if (mode == nullptr) {
    DeleteDC(g_setup.hDC);
    error_box(kErrorOutOfMemory, __FILE__, __LINE__);
    return nullptr;
  }
  mode->dmCopies = 1;  // one page, once: the next print starts from one copy
  GlobalUnlock(g_setup.hDevMode);
  g_setup.nCopies = 1;
  return g_setup.hDC;
}

enum class Painted { kOk, kFailed, kOutOfMemory };

// Stretches the window's whole virtual screen across the printable width.
Painted paint_page(ChildRecord& r, HDC printer) {
  bool out_of_memory = false;
  const std::vector<std::uint8_t> image = whole_screen_image(r, out_of_memory);
  if (out_of_memory) return Painted::kOutOfMemory;
  const ParsedImage parsed = parse_image(image.data(), image.size());
  if (image.empty() || parsed.status != 0) return Painted::kFailed;
  const ImageLayout& l = parsed.layout;
  SetMapMode(printer, MM_TEXT);
  SetStretchBltMode(printer, COLORONCOLOR);
  const PageRect page =
      page_rect(l.width, l.height, GetDeviceCaps(printer, HORZRES),
                GetDeviceCaps(printer, LOGPIXELSX), GetDeviceCaps(printer, LOGPIXELSY));
  if (page.empty()) return Painted::kOk;
  // The info header and colour table, copied to storage aligned for them.
  const std::vector<std::uint8_t> info(image.begin() + kFileHeaderBytes,
                                       image.begin() + static_cast<std::ptrdiff_t>(l.pixel_offset));
  const int lines =
      StretchDIBits(printer, 0, 0, page.width, page.height, 0, 0, l.width, l.height,
                    image.data() + l.pixel_offset, reinterpret_cast<const BITMAPINFO*>(info.data()),
                    DIB_RGB_COLORS, SRCCOPY);
  return lines == 0 || lines == static_cast<int>(GDI_ERROR) ? Painted::kFailed : Painted::kOk;
}

// Prints one page on `printer`; the message of a failure, if any.
std::optional<int> print_page(ChildRecord& r, HDC printer, bool& document_open) {
  const auto going_on = [&] { return print_abort_procedure(printer, 0) != FALSE; };
  if (!going_on() || StartPage(printer) <= 0) return kPrintMessageInternal;
  if (!going_on()) return std::nullopt;
  switch (paint_page(r, printer)) {
    case Painted::kOk:
      break;
    case Painted::kFailed:
      return kPrintMessageError;
    case Painted::kOutOfMemory:
      error_box(kErrorOutOfMemory, __FILE__, __LINE__);
      g_messages.cancel();  // reported: no further message
      return std::nullopt;
  }
  if (!going_on() || EndPage(printer) <= 0) return kPrintMessageError;
  if (!going_on() || EndDoc(printer) <= 0) return kPrintMessageError;
  document_open = false;
  return std::nullopt;
}

void print_document(ChildRecord& r, HDC printer) {
  if (SetAbortProc(printer, print_abort_procedure) <= 0) {
    show_message(kPrintMessageInternal);
    return;
  }
  DOCINFOA doc = {};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = r.title.c_str();
  if (StartDocA(printer, &doc) <= 0) {
    show_message(kPrintMessageInternal);
    return;
  }
  bool document_open = true;
  std::optional<int> failure;
  if (create_printing_dialog(g_messages) == nullptr) {
    failure = kPrintMessageInternal;
  } else {
    EnableWindow(shell_state().frame, FALSE);
    failure = print_page(r, printer, document_open);
  }
  // A cancelled or failed document is dropped whole: nothing half printed.
  if (document_open) AbortDoc(printer);
  EnableWindow(shell_state().frame, TRUE);
  destroy_printing_dialog();
  if (failure) show_message(*failure);
}

}  // namespace

void print_command(HWND child) {
  const WindowCommand command(child);
  ChildRecord* r = command.window();
  if (r == nullptr) return;
  g_messages.begin();
  HDC printer = choose_printer();
  if (printer == nullptr) return;
  print_document(*r, printer);
  DeleteDC(printer);
}

}  // namespace shell
