// Palettes and clip regions on a child window's contexts.
#include "shell/graphics/palette_win.h"

#include <vector>

#include "shell/child/child_record_win.h"
#include "shell/graphics/screen_areas.h"

namespace shell {

COLORREF colorref(const ChildRecord& r, ColorWord word) {
  if (is_rgb_word(word)) return static_cast<COLORREF>(word & static_cast<ColorWord>(kRgbMask));
  const int index = word_index(word);
  Rgb c;
  if (index < static_cast<int>(r.palette_entries.size())) {
    c = r.palette_entries[static_cast<std::size_t>(index)];
  } else if (!default_palette_entry(index, c)) {
    return RGB(0, 0, 0);
  }
  return RGB(c.red, c.green, c.blue);
}

bool build_palette(ChildRecord& r, int colors) {
  r.colors = colors;
  return replace_palette(r, window_palette(colors));
}

bool replace_palette(ChildRecord& r, const std::vector<Rgb>& entries) {
  const std::size_t n = entries.empty() ? 1 : entries.size();
  std::vector<BYTE> storage(sizeof(LOGPALETTE) + n * sizeof(PALETTEENTRY));
  auto* log = reinterpret_cast<LOGPALETTE*>(storage.data());
  log->palVersion = 0x300;
  log->palNumEntries = static_cast<WORD>(n);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Rgb& c = entries[i];
    log->palPalEntry[i] = PALETTEENTRY{c.red, c.green, c.blue, 0};
  }
  HPALETTE palette = CreatePalette(log);
  if (palette == nullptr) return false;
  r.palette_entries = entries;
  SelectPalette(r.memory_dc.get(), palette, FALSE);
  SelectPalette(r.window_dc, palette, FALSE);
  RealizePalette(r.window_dc);
  if (r.palette != nullptr) DeleteObject(r.palette);
  r.palette = palette;
  return true;
}

void mark_text_clip_selected(ChildRecord& r) {
  note_text_clip_selected(r.graphics);
}

void select_graphics_clip(ChildRecord& r) {
  if (!r.graphics.graphics_clip_pending) return;
  const PixelRect v = viewport_rect(r.graphics);
  Region memory_clip(CreateRectRgn(v.left, v.top, v.right + 1, v.bottom + 1));
  SelectClipRgn(r.memory_dc.get(), memory_clip.get());
  Region screen_clip(CreateRectRgn(v.left - r.offset_x, v.top - r.offset_y,
                                   v.right + 1 - r.offset_x, v.bottom + 1 - r.offset_y));
  SelectClipRgn(r.screen_dc, screen_clip.get());
  note_graphics_clip_selected(r.graphics);
}

}  // namespace shell
