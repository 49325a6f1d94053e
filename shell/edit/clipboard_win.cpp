// Copy and Paste through the system clipboard. Whatever goes wrong with
// the clipboard, Copy still ends select mode, and nothing half-made is left
// on the clipboard or in memory.
#include "shell/edit/clipboard_win.h"

#include <cstring>
#include <string>
#include <vector>

#include "shell/child/child_record_win.h"
#include "shell/child/keyboard_input_win.h"
#include "shell/edit/paste_input.h"
#include "shell/edit/select_mode_win.h"
#include "shell/edit/selection_text.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/frame/menu_bar_win.h"
#include "shell/frame/program_state_win.h"
#include "shell/startup/shell_state_win.h"

namespace shell {
namespace {

constexpr const char* kPastePending = "Paste input pending";

// The clipboard opened for one scope.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != 0) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

// Clipboard text as a global memory block; null when it cannot be made.
HGLOBAL text_block(const std::string& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (block == nullptr) return nullptr;
  void* data = GlobalLock(block);
  if (data == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(data, bytes.data(), bytes.size());
  GlobalUnlock(block);
  return block;
}

void copy_text(const ChildRecord& r) {
  const std::string bytes = clipboard_text(r.text_buffer, r.selection.anchor, r.selection.end);
  OpenedClipboard clipboard(r.hwnd);
  if (!clipboard.open()) return;
  HGLOBAL block = text_block(bytes);
  if (block == nullptr) return;
  if (!EmptyClipboard()) {
    GlobalFree(block);
    error_box(kErrorUnexpected, __FILE__, __LINE__);
    return;
  }
  if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
}

// A copy of the window's palette for CF_PALETTE; null without one.
HPALETTE palette_copy(const ChildRecord& r) {
  if (r.palette == nullptr) return nullptr;
  const UINT n = GetPaletteEntries(r.palette, 0, 0, nullptr);
  if (n == 0) return nullptr;
  std::vector<BYTE> storage(sizeof(LOGPALETTE) + n * sizeof(PALETTEENTRY));
  auto* log = reinterpret_cast<LOGPALETTE*>(storage.data());
  log->palVersion = 0x300;
  log->palNumEntries = static_cast<WORD>(n);
  GetPaletteEntries(r.palette, 0, n, log->palPalEntry);
  return CreatePalette(log);
}

void copy_picture(const ChildRecord& r) {
  const SelectPoint a = r.selection.anchor, e = r.selection.end;
  const int left = std::min(a.x, e.x), top = std::min(a.y, e.y);
  const int width = std::abs(e.x - a.x) + 1, height = std::abs(e.y - a.y) + 1;
  Bitmap picture(CreateCompatibleBitmap(r.window_dc, width, height));
  if (!picture) {
    error_box(kErrorOutOfMemory, __FILE__, __LINE__);
    return;
  }
  {
    MemoryDc dc(r.window_dc);
    Selected keep(dc.get(), picture.get());
    if (!BitBlt(dc.get(), 0, 0, width, height, r.memory_dc.get(), left, top, SRCCOPY)) {
      error_box(kErrorUnexpected, __FILE__, __LINE__);
      return;
    }
  }
  GdiObject<HPALETTE> palette(palette_copy(r));
  OpenedClipboard clipboard(r.hwnd);
  if (!clipboard.open()) return;
  if (!EmptyClipboard()) {
    error_box(kErrorUnexpected, __FILE__, __LINE__);
    return;
  }
  // The clipboard owns what it took.
  if (SetClipboardData(CF_BITMAP, picture.get()) != nullptr) picture.release();
  if (palette && SetClipboardData(CF_PALETTE, palette.get()) != nullptr) palette.release();
}

// The clipboard's text up to its zero byte, never past the end of its block.
std::string clipboard_text_now() {
  OpenedClipboard clipboard(shell_state().frame);
  if (!clipboard.open()) return {};
  HANDLE block = GetClipboardData(CF_TEXT);
  if (block == nullptr) return {};
  const auto* data = static_cast<const char*>(GlobalLock(block));
  if (data == nullptr) return {};
  const std::size_t size = GlobalSize(block);
  std::string text(data, strnlen(data, size));
  GlobalUnlock(block);
  return text;
}

// The status bar and the items follow the pasted text, whichever thread
// takes its last piece.
void on_paste_pending(bool pending) {
  SetStatusText(pending ? kPastePending : nullptr);
  set_paste_items(pending);
}

}  // namespace

void copy_command(HWND child) {
  ChildRecord* r = child_record(child);
  if (r == nullptr || !r->selection.active()) return;
  if (r->selection.kind == SelectKind::kGraphics) {
    copy_picture(*r);
  } else {
    copy_text(*r);
  }
  end_select_mode(child);
}

void paste_command() {
  static const bool listening = [] {
    set_paste_listener(on_paste_pending);
    return true;
  }();
  (void)listening;
  const std::string text = clipboard_text_now();
  if (text.empty() || !start_paste(text)) return;
  wake_read_for_paste();
}

void clear_paste_command() {
  clear_paste();
}

}  // namespace shell
