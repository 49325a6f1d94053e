// Beginning and ending select mode. The program is paused first (on the
// pause thread, while this thread keeps serving messages); a program that
// was paused already stays paused afterwards. The window's clip regions go,
// so that the highlight can be drawn anywhere on its screen context.
#include "shell/edit/select_mode_win.h"

#include <string>
#include <vector>

#include "shell/child/child_record_win.h"
#include "shell/child/child_view_win.h"
#include "shell/edit/marking_win.h"
#include "shell/frame/menu_bar_win.h"
#include "shell/frame/program_state_win.h"
#include "shell/frame/shell_texts.h"
#include "shell/graphics/colors.h"
#include "shell/graphics/screen_areas.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/window_table_win.h"

namespace shell {
namespace {

constexpr const char* kMarkTextCaption = "Mark Text - ";
constexpr const char* kMarkGraphicsCaption = "Mark Graphics - ";
constexpr int kSelectPaletteSize = 256;
constexpr int kGraphicsMarkerWidth = 2;

// The program was paused already when select mode began, so ending select
// mode leaves it paused (GUI thread only).
bool g_paused_before = false;
// A select command is waiting for its pause; another one is refused.
bool g_starting = false;

void set_caption(ChildRecord& r, const std::string& prefix) {
  SetWindowTextA(r.hwnd, (prefix + r.title).c_str());
}

void drop_caret(ChildRecord& r) {
  if (!r.caret_made) return;
  DestroyCaret();
  r.caret_made = false;
}

// The 16 default colours followed by black, shown while text is selected.
void make_select_palette(ChildRecord& r) {
  std::vector<BYTE> storage(sizeof(LOGPALETTE) + kSelectPaletteSize * sizeof(PALETTEENTRY));
  auto* log = reinterpret_cast<LOGPALETTE*>(storage.data());
  log->palVersion = 0x300;
  log->palNumEntries = kSelectPaletteSize;
  for (int i = 0; i < kSelectPaletteSize; ++i) {
    Rgb c{0, 0, 0};
    if (i < 16) default_palette_entry(i, c);
    log->palPalEntry[i] = PALETTEENTRY{c.red, c.green, c.blue, 0};
  }
  r.select_palette = CreatePalette(log);
  if (r.select_palette == nullptr) return;
  SelectPalette(r.screen_dc, r.select_palette, FALSE);
  RealizePalette(r.screen_dc);
}

void drop_select_palette(ChildRecord& r) {
  if (r.select_palette == nullptr) return;
  if (r.palette != nullptr) {
    SelectPalette(r.screen_dc, r.palette, FALSE);
    RealizePalette(r.screen_dc);
  }
  DeleteObject(r.select_palette);
  r.select_palette = nullptr;
}

// The window that a select command may put into select mode, after the
// program was paused for it; null when there is none.
ChildRecord* paused_for_select(HWND child) {
  ChildRecord* r = child_record(child);
  if (r == nullptr || !r->configured || r->selection.active() || g_starting) return nullptr;
  const int state = GetState();
  if (state == kProgramStatePaused) {
    g_paused_before = true;
  } else if (state == kProgramStateRunning) {
    g_starting = true;
    pause_command();
    g_starting = false;
    r = child_record(child);  // the window may have gone meanwhile
    if (r == nullptr || r->selection.active()) return nullptr;
  }
  // The highlight is drawn over the whole client area.
  SelectClipRgn(r->memory_dc.get(), nullptr);
  SelectClipRgn(r->screen_dc, nullptr);
  note_clips_removed(r->graphics);
  return r;
}

// Puts the window back as it was before select mode (the program is left
// as it is).
void leave_select_mode(ChildRecord& r) {
  drop_select_palette(r);
  drop_caret(r);
  hide_highlight(r);
  if (GetCapture() == r.hwnd) ReleaseCapture();
  SetWindowTextA(r.hwnd, r.title.c_str());
  r.selection = Selection{};
  move_caret(r.hwnd);
}

}  // namespace

SelectView select_view(const ChildRecord& r) {
  SelectView v;
  v.cell_width = r.cell_width;
  v.cell_height = r.cell_height;
  v.scroll_x = r.scroll_x;
  v.scroll_y = r.scroll_y;
  v.view_width = r.view_width;
  v.view_height = r.view_height;
  v.screen_width = r.screen_width;
  v.screen_height = r.screen_height;
  v.text_columns = r.text_columns;
  v.text_rows = r.text_rows;
  return v;
}

bool in_select_mode(HWND child) {
  const ChildRecord* r = child_record(child);
  return r != nullptr && r->selection.active();
}

MenuSelection menu_selection(const ChildRecord* r) {
  if (r == nullptr || !r->selection.active()) return MenuSelection::kNone;
  return r->selection.copy_enabled ? MenuSelection::kMarked : MenuSelection::kMarking;
}

void show_selecting_caption(ChildRecord& r) {
  set_caption(
      r, shell_text(r.selection.kind == SelectKind::kGraphics ? ShellText::kSelectGraphicsCaption
                                                              : ShellText::kSelectTextCaption));
}

void select_command(HWND child, SelectKind kind) {
  ChildRecord* r = paused_for_select(child);
  if (r == nullptr) return;
  set_caption(*r, kind == SelectKind::kGraphics ? kMarkGraphicsCaption : kMarkTextCaption);
  r->selection = begin_marking(kind, select_view(*r));
  drop_caret(*r);
  PostMessageA(child, kMakeMarker, 0, 0);
  if (kind == SelectKind::kText) make_select_palette(*r);
  update_menu_states(nullptr);
}

void select_all_command(HWND child) {
  ChildRecord* r = paused_for_select(child);
  if (r == nullptr) return;
  drop_caret(*r);
  change_selection(*r, select_everything(r->graphics.has_graphics, select_view(*r)));
  show_selecting_caption(*r);
  update_menu_states(nullptr);
}

void end_select_mode(HWND child) {
  ChildRecord* r = child_record(child);
  if (r == nullptr || !r->selection.active()) return;
  leave_select_mode(*r);
  update_menu_states(nullptr);
  if (g_paused_before) {
    g_paused_before = false;
  } else {
    resume_command();
  }
}

void end_selection_modes() {
  bool ended = false;
  for (int n = kFirstWindowNumber; n < kFirstWindowNumber + kWindowSlots; ++n) {
    ChildRecord* r = record_of(n);
    if (r == nullptr || !r->selection.active()) continue;
    leave_select_mode(*r);
    ended = true;
  }
  if (!ended) return;
  g_paused_before = false;
  update_menu_states(nullptr);
}

void on_make_marker(HWND child) {
  ChildRecord* r = child_record(child);
  if (r == nullptr || !r->selection.active() || r->selection.selecting) return;
  r->selection.marker = true;
  place_marker_caret(*r);
}

void place_marker_caret(ChildRecord& r) {
  const Selection& s = r.selection;
  if (!s.marker || !r.focus) {
    drop_caret(r);
    return;
  }
  const bool graphics = s.kind == SelectKind::kGraphics;
  const int x = (graphics ? s.end.x : s.end.x * r.cell_width) - r.scroll_x;
  const int y = (graphics ? s.end.y : s.end.y * r.cell_height) - r.scroll_y;
  if (!r.caret_made) {
    CreateCaret(r.hwnd, nullptr, graphics ? kGraphicsMarkerWidth : r.cell_width, r.cell_height);
    r.caret_made = true;
    ShowCaret(r.hwnd);
  }
  SetCaretPos(x, y);
}

void release_select_mode(ChildRecord& r) {
  drop_select_palette(r);
}

}  // namespace shell
