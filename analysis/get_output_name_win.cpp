// "&Save Output File": the Save dialog proposes the report's path without
// its extension, and the report is copied into the chosen ".txt" file.
#include <windows.h>

#include <cstring>
#include <string>

#include "analysis/analysis_guard.h"
#include "analysis/common_blocks.h"
#include "analysis/input_file.h"
#include "analysis/program_flow.h"
#include "analysis/save_copy.h"
#include "runtime/field_write.h"
#include "shell/frame/common_dialogs_win.h"
#include "runtime/units.h"
#include "shell/units/unit_services.h"

namespace bvrank {
namespace {

char g_save_buffer[1024];
bool g_save_buffer_ready = false;

HWND frame_window() {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(GETHWNDQQ(kFramePseudoUnit)));
}

void tell(const std::string& text) {
  MessageBoxA(frame_window(), text.c_str(), "Save Output File",
              MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}

// The report's path without its last four characters, then two NULs.
void propose_name() {
  if (!g_save_buffer_ready) {
    std::memset(g_save_buffer, ' ', sizeof g_save_buffer);
    g_save_buffer_ready = true;
  }
  const int n = IN_AND_OUT_LEN.OUTLEN > 4 ? IN_AND_OUT_LEN.OUTLEN - 4 : 0;
  std::memcpy(g_save_buffer, IN_AND_OUT.OUTNAME.data(), static_cast<std::size_t>(n));
  g_save_buffer[n] = '\0';
  g_save_buffer[n + 1] = '\0';
}

}  // namespace

void GET_OUTPUT_NAME(std::int32_t*) {
  AnalysisGuard guard;
  if (!guard.held()) return;
  // Only a report that an analysis wrote can be saved; without one the
  // dialog would only lead to an empty file.
  if (!report_file_on_disk()) {
    tell(" No report to save: open an input file first.");
    return;
  }
  propose_name();
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.hwndOwner = frame_window();
  ofn.lpstrFilter = "Text File (.txt)\0*.txt\0\0";
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = g_save_buffer;
  ofn.nMaxFile = sizeof g_save_buffer;
  ofn.lpstrTitle = "Open Output File";
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST;
  ofn.lpstrDefExt = "txt";
  if (shell::save_file_dialog(&ofn) == 0) return;
  if (ofn.nFileOffset == 0) {
    rt::write_console(rt::list_directed_text("No legal file name specified")).or_stop();
    return;
  }
  g_save_buffer[sizeof g_save_buffer - 1] = '\0';
  const std::string chosen(g_save_buffer);
  switch (copy_report_to(chosen)) {
    case SaveResult::kSaved:
    case SaveResult::kNoReport:
      break;
    case SaveResult::kPathTooLong:
      tell(" Output file name longer than 100 characters : " + chosen);
      break;
    case SaveResult::kSameFile:
      tell(" The report cannot be saved onto itself : " + chosen);
      break;
  }
}

}  // namespace bvrank
