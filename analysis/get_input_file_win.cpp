// The main program and "&Open Input File": the Open dialog, the report
// name, the analysis and its message box.
#include <windows.h>

#include <cstring>
#include <string>

#include "analysis/analysis_guard.h"
#include "analysis/common_blocks.h"
#include "analysis/input_file.h"
#include "analysis/input_name.h"
#include "analysis/program_flow.h"
#include "analysis/read_pdb.h"
#include "shell/frame/common_dialogs_win.h"
#include "shell/startup/program_hooks.h"
#include "shell/units/unit_services.h"

namespace bvrank {
namespace {

constexpr int kMessageLength = 130;

// The dialog's file-name buffer: one NUL then blanks at start; it keeps the
// last path, so the next dialog opens on it.
char g_file_buffer[kFileBufferLength];
bool g_file_buffer_ready = false;

std::int32_t ISTATUS;
rt::FixedText<kMessageLength> MSGTEXT;
rt::FixedText<kMessageLength> MSGTITLE;
rt::FixedText<50> DIRNAME;
std::int32_t DIRLEN;
std::int32_t NAMESTAT;

HWND frame_window() {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(GETHWNDQQ(kFramePseudoUnit)));
}

void show_status_message(std::int32_t status) {
  const StatusMessage m = status_message(status);
  if (m.text.empty()) return;
  MSGTEXT.assign(m.text);
  MSGTITLE.assign(m.caption);
  // The box gets the whole blank-padded fields, each ended by a NUL.
  const std::string text(MSGTEXT.view());
  const std::string title(MSGTITLE.view());
  MessageBoxA(frame_window(), text.c_str(), title.c_str(),
              MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}

}  // namespace

void GET_INPUT_NAME(char* dirname, std::int32_t dirname_length, std::int32_t& dirlen,
                    std::int32_t& namestat) {
  if (!g_file_buffer_ready) {
    std::memset(g_file_buffer, ' ', sizeof g_file_buffer);
    g_file_buffer[0] = '\0';
    g_file_buffer_ready = true;
  }
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the form without the later extension fields
  ofn.hwndOwner = frame_window();
  ofn.lpstrFilter = "PDB File (.pdb)\0*.pdb; \0\0";
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = g_file_buffer;
  ofn.nMaxFile = kFileBufferLength;
  ofn.lpstrTitle = "Open Input File";
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  ofn.lpstrDefExt = "pdb";

  rt::FixedText<50> dir;
  clear_chosen_path(dir, dirlen, namestat);
  std::memcpy(dirname, dir.chars, static_cast<std::size_t>(std::min(dirname_length, 50)));
  g_file_buffer[kFileBufferLength - 1] = '\0';
  if (shell::open_file_dialog(&ofn) == 0) return;
  take_chosen_path(std::string_view(g_file_buffer, kFileBufferLength), ofn.nFileOffset, dir, dirlen,
                   namestat);
  std::memcpy(dirname, dir.chars, static_cast<std::size_t>(std::min(dirname_length, 50)));
}

void GET_INPUT_FILE(std::int32_t*) {
  AnalysisGuard guard;
  if (!guard.held()) return;
  delete_previous_report();
  IN_AND_OUT.INNAME.fill(' ');
  IN_AND_OUT.OUTNAME.fill(' ');
  GET_INPUT_NAME(DIRNAME.chars, 50, DIRLEN, NAMESTAT);
  if (NAMESTAT <= 0) return;
  const int n = FILES.FILELEN[1];
  set_input_name(FILES.FILELIST[1].view().substr(0, static_cast<std::size_t>(n)));
  MSGTEXT.fill(' ');
  if (!has_pdb_extension()) return;
  READ_PDB(ISTATUS);
  show_status_message(ISTATUS);
}

void PDB_LOOP() {
  // Idle without using a processor; the program stays in the Running state.
  // The wait is alertable: a procedure queued to this thread (QueueUserAPC)
  // runs here and only here, which tells whoever queued it that the program
  // thread has finished its first analysis (the end-to-end tests use this).
  for (;;) SleepEx(INFINITE, TRUE);
}

}  // namespace bvrank

void program_main() {
  // The run-time's start-up checks (flawed-divide processor check,
  // re-entrancy mode) have nothing to do on this platform.
  bvrank::GRAPHICSMODE();
  bvrank::GET_INPUT_FILE();
  bvrank::PDB_LOOP();
}
