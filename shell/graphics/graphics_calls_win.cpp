// The further graphics calls on the active window. Coordinates are view
// coordinates (physical = view + origin); _W calls convert from window
// coordinates first. Drawing holds the drawing lock, goes into the memory
// bitmap and onto the screen, and is clipped to the viewport.
#include <windows.h>

#include <cstring>
#include <vector>

#include "shell/child/child_record_win.h"
#include "shell/child/text_output_win.h"
#include "shell/frame/window_config_win.h"
#include "shell/graphics/graphics_calls.h"
#include "shell/graphics/graphics_status.h"
#include "shell/graphics/image_capture_win.h"
#include "shell/graphics/image_math.h"
#include "shell/graphics/palette_win.h"
#include "shell/graphics/video_modes.h"
#include "shell/startup/shell_state_win.h"

namespace shell {

ChildRecord* graphics_window();  // graphics_services_win.cpp

namespace {

void keep_status(GraphicsStatus status) {
  if (status != 0) set_graphics_status(status);
}

bool draws_on_screen(const ChildRecord& r) {
  return !r.closed && r.screen_dc == r.window_dc && !r.fit && !r.iconic;
}

std::int32_t get_pixel(ChildRecord& r, XyPair view) {
  const XyPair p = view_to_physical(r.graphics, view.x, view.y);
  if (!in_viewport(r.graphics, p.x, p.y)) {
    set_graphics_status(kStatusNothingDrawn);
    return -1;
  }
  Locked draw(r.drawing_lock);
  // Text output leaves the text window's clip selected; outside it the
  // pixel would read as invalid.
  select_graphics_clip(r);
  const COLORREF c = GetPixel(r.memory_dc.get(), p.x, p.y);
  return c == CLR_INVALID ? -1 : static_cast<std::int32_t>(c & 0xFFFFFF);
}

std::int32_t set_pixel(ChildRecord& r, XyPair view, std::int32_t color) {
  const XyPair p = view_to_physical(r.graphics, view.x, view.y);
  if (!in_viewport(r.graphics, p.x, p.y)) {
    set_graphics_status(kStatusNothingDrawn);
    return -1;
  }
  Locked draw(r.drawing_lock);
  select_graphics_clip(r);  // the viewport, not what text output left selected
  const COLORREF previous = GetPixel(r.memory_dc.get(), p.x, p.y);
  const COLORREF c = static_cast<COLORREF>(color) & 0xFFFFFF;
  SetPixelV(r.memory_dc.get(), p.x, p.y, c);
  if (draws_on_screen(r)) {
    SetPixelV(r.screen_dc, p.x - r.offset_x, p.y - r.offset_y, c);
  } else if (!r.iconic) {
    InvalidateRect(r.target, nullptr, FALSE);
  }
  r.graphics.has_graphics = true;
  GdiFlush();
  return previous == CLR_INVALID ? -1 : static_cast<std::int32_t>(previous & 0xFFFFFF);
}

}  // namespace

// The window's bits per pixel as reported by its configuration.
int image_bits(const ChildRecord&) {
  const int bits = shell_state().display.bits_per_pixel;
  return valid_bits_per_pixel(bits) ? bits : 24;
}

struct DibInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
};

void fill_dib_info(DibInfo& info, int width, int height, int bits,
                   const std::vector<Rgb>& palette) {
  std::memset(&info, 0, sizeof info);
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bits);
  info.header.biCompression = BI_RGB;
  const int entries = color_table_entries(bits);
  info.header.biClrUsed = static_cast<DWORD>(entries);
  for (int i = 0; i < entries && i < static_cast<int>(palette.size()); ++i) {
    const Rgb& c = palette[static_cast<std::size_t>(i)];
    info.colors[i] = RGBQUAD{c.blue, c.green, c.red, 0};
  }
}

void get_image(ChildRecord& r, std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
               void* buffer) {
  if (buffer == nullptr) return;
  const ImageRect rect = order_image_rect(x1, y1, x2, y2);
  keep_status(rect.status);
  const int bits = image_bits(r);
  const std::vector<Rgb> palette = r.palette_entries;
  const std::vector<std::uint8_t> header =
      build_image_header(rect.width(), rect.height(), bits, palette);
  if (header.empty()) {
    set_graphics_status(kImageNoMemory);
    return;
  }
  auto* out = static_cast<std::uint8_t*>(buffer);
  std::memcpy(out, header.data(), header.size());
  const XyPair p = view_to_physical(r.graphics, static_cast<std::int16_t>(rect.left),
                                    static_cast<std::int16_t>(rect.top));
  Locked draw(r.drawing_lock);
  MemoryDc copy_dc(r.memory_dc.get());
  Bitmap copy(CreateCompatibleBitmap(r.memory_dc.get(), rect.width(), rect.height()));
  {
    Selected keep(copy_dc.get(), copy.get());
    BitBlt(copy_dc.get(), 0, 0, rect.width(), rect.height(), r.memory_dc.get(), p.x, p.y, SRCCOPY);
  }
  DibInfo info;
  fill_dib_info(info, rect.width(), rect.height(), bits, palette);
  // Pixel indexes refer to the table GetDIBits makes from the context's
  // palette: give it the window's, and keep the table it used.
  if (r.palette != nullptr) SelectPalette(copy_dc.get(), r.palette, FALSE);
  if (GetDIBits(copy_dc.get(), copy.get(), 0, static_cast<UINT>(rect.height()), out + header.size(),
                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == 0) {
    set_graphics_status(kStatusError);
    return;
  }
  std::memcpy(out + kImageHeaderBytes, info.colors,
              header.size() - static_cast<std::size_t>(kImageHeaderBytes));
}

namespace {

void put_image(ChildRecord& r, std::int16_t x, std::int16_t y, const void* buffer,
               std::int16_t action) {
  const RasterOperation op = raster_operation(action);
  if (op.status != 0) {
    set_graphics_status(op.status);
    return;
  }
  if (buffer == nullptr) return;
  const auto* data = static_cast<const std::uint8_t*>(buffer);
  const std::uint32_t declared = declared_image_bytes(data, kImageHeaderBytes);
  const ParsedImage image = parse_image(data, declared);
  if (image.status != 0) {
    set_graphics_status(image.status);
    return;
  }
  const ImageLayout& l = image.layout;
  DibInfo info;
  fill_dib_info(info, l.width, l.height, l.bits_per_pixel, image_color_table(data, l));
  const XyPair p = view_to_physical(r.graphics, x, y);
  Locked draw(r.drawing_lock);
  select_graphics_clip(r);
  Brush brush(CreateSolidBrush(colorref(r, r.graphics.graphics_color)));
  const HGDIOBJ old_brush = SelectObject(r.memory_dc.get(), brush.get());
  StretchDIBits(r.memory_dc.get(), p.x, p.y, l.width, l.height, 0, 0, l.width, l.height,
                data + l.pixel_offset, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS,
                op.rop);
  SelectObject(r.memory_dc.get(), old_brush);
  if (draws_on_screen(r)) {
    BitBlt(r.screen_dc, p.x - r.offset_x, p.y - r.offset_y, l.width, l.height, r.memory_dc.get(),
           p.x, p.y, SRCCOPY);
  } else if (!r.iconic) {
    InvalidateRect(r.target, nullptr, FALSE);
  }
  r.graphics.has_graphics = true;
  GdiFlush();
}

// Replaces palette entries and repaints; only windows with more than 20 colours.
bool remap(ChildRecord& r, int first, const std::vector<Rgb>& colors) {
  if (r.colors <= 20 || first < 0 ||
      first + static_cast<int>(colors.size()) > static_cast<int>(r.palette_entries.size())) {
    set_graphics_status(kStatusError);
    return false;
  }
  for (std::size_t i = 0; i < colors.size(); ++i)
    r.palette_entries[static_cast<std::size_t>(first) + i] = colors[i];
  std::vector<PALETTEENTRY> entries(colors.size());
  for (std::size_t i = 0; i < colors.size(); ++i)
    entries[i] = PALETTEENTRY{colors[i].red, colors[i].green, colors[i].blue, 0};
  SetPaletteEntries(r.palette, static_cast<UINT>(first), static_cast<UINT>(entries.size()),
                    entries.data());
  RealizePalette(r.window_dc);
  InvalidateRect(r.hwnd, nullptr, FALSE);
  return true;
}

}  // namespace
}  // namespace shell

using namespace shell;

XyPair SETVIEWORG(std::int16_t x, std::int16_t y) {
  ChildRecord* r = graphics_window();
  return r != nullptr ? set_view_origin(r->graphics, x, y) : XyPair{};
}

XyPair GETVIEWCOORD(std::int16_t x, std::int16_t y) {
  ChildRecord* r = graphics_window();
  return r != nullptr ? physical_to_view(r->graphics, x, y) : XyPair{};
}

XyPair GETPHYSCOORD(std::int16_t x, std::int16_t y) {
  ChildRecord* r = graphics_window();
  return r != nullptr ? view_to_physical(r->graphics, x, y) : XyPair{};
}

XyPair GETVIEWCOORD_W(double wx, double wy) {
  ChildRecord* r = graphics_window();
  return r != nullptr ? window_to_view(r->graphics, wx, wy) : XyPair{};
}

WindowPair GETWINDOWCOORD(std::int16_t x, std::int16_t y) {
  ChildRecord* r = graphics_window();
  return r != nullptr ? view_to_window(r->graphics, x, y) : WindowPair{};
}

XyPair GETCURRENTPOSITION() {
  ChildRecord* r = graphics_window();
  return r != nullptr ? current_position_view(r->graphics) : XyPair{};
}

WindowPair GETCURRENTPOSITION_W() {
  ChildRecord* r = graphics_window();
  return r != nullptr ? current_position_window(r->graphics) : WindowPair{};
}

std::int32_t GETPIXELRGB(std::int16_t x, std::int16_t y) {
  ChildRecord* r = graphics_window();
  return r != nullptr ? get_pixel(*r, XyPair{x, y}) : -1;
}

std::int32_t GETPIXELRGB_W(double wx, double wy) {
  ChildRecord* r = graphics_window();
  return r != nullptr ? get_pixel(*r, window_to_view(r->graphics, wx, wy)) : -1;
}

std::int32_t SETPIXELRGB(std::int16_t x, std::int16_t y, std::int32_t color) {
  ChildRecord* r = graphics_window();
  return r != nullptr ? set_pixel(*r, XyPair{x, y}, color) : -1;
}

std::int32_t SETPIXELRGB_W(double wx, double wy, std::int32_t color) {
  ChildRecord* r = graphics_window();
  return r != nullptr ? set_pixel(*r, window_to_view(r->graphics, wx, wy), color) : -1;
}

void GETPIXELSRGB(std::int32_t n, const std::int16_t* xs, const std::int16_t* ys,
                  std::int32_t* colors) {
  ChildRecord* r = graphics_window();
  if (r == nullptr || n <= 0) return;
  for (std::int32_t i = 0; i < n; ++i) colors[i] = get_pixel(*r, XyPair{xs[i], ys[i]});
}

void SETPIXELSRGB(std::int32_t n, const std::int16_t* xs, const std::int16_t* ys,
                  const std::int32_t* colors) {
  ChildRecord* r = graphics_window();
  if (r == nullptr || n <= 0) return;
  for (std::int32_t i = 0; i < n; ++i) set_pixel(*r, XyPair{xs[i], ys[i]}, colors[i]);
}

std::int16_t SETVIDEOMODE(std::int16_t mode) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return 0;
  const VideoMode m = video_mode(mode);
  if (m.kind == VideoModeKind::kInvalid) {
    set_graphics_status(m.status);
    return 0;
  }
  WindowConfig c = default_window_config();
  if (m.kind == VideoModeKind::kText) {
    c.numtextcols = static_cast<std::int16_t>(m.columns);
    c.numtextrows = static_cast<std::int16_t>(m.rows);
  } else if (m.kind == VideoModeKind::kPixels) {
    c.numxpixels = static_cast<std::int16_t>(m.width);
    c.numypixels = static_cast<std::int16_t>(m.height);
  } else {
    c.numxpixels = static_cast<std::int16_t>(shell_state().display.width);
    c.numypixels = static_cast<std::int16_t>(shell_state().display.height);
  }
  if (!configure_window(*r, c)) return 0;
  return static_cast<std::int16_t>(r->text_rows);
}

std::int32_t REMAPPALETTERGB(std::int32_t index, std::int32_t color) {
  ChildRecord* r = graphics_window();
  if (r == nullptr || index < 0 || index >= static_cast<std::int32_t>(r->palette_entries.size()))
    return -1;
  const std::int32_t old = rgb_value(r->palette_entries[static_cast<std::size_t>(index)]);
  return remap(*r, index, {rgb_from_value(color)}) ? old : -1;
}

std::int32_t REMAPPALETTE(std::int32_t index, std::int32_t color) {
  ChildRecord* r = graphics_window();
  if (r == nullptr || index < 0 || index >= static_cast<std::int32_t>(r->palette_entries.size()))
    return -1;
  const std::int32_t old = to_palette6(r->palette_entries[static_cast<std::size_t>(index)]);
  return remap(*r, index, {from_palette6(color)}) ? old : -1;
}

std::int16_t REMAPALLPALETTERGB(const std::int32_t* colors) {
  ChildRecord* r = graphics_window();
  if (r == nullptr || colors == nullptr) return -1;
  std::vector<Rgb> all(r->palette_entries.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = rgb_from_value(colors[i]);
  return remap(*r, 0, all) ? 0 : -1;
}

std::int16_t REMAPALLPALETTE(const std::int32_t* colors) {
  ChildRecord* r = graphics_window();
  if (r == nullptr || colors == nullptr) return -1;
  std::vector<Rgb> all(r->palette_entries.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = from_palette6(colors[i]);
  return remap(*r, 0, all) ? 0 : -1;
}

std::int16_t SELECTPALETTE(std::int16_t) {
  set_graphics_status(kStatusError);
  return 0;
}

std::int32_t IMAGESIZE(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return 0;
  const ImageSize s = image_size(x1, y1, x2, y2, image_bits(*r));
  keep_status(s.status);
  return s.bytes;
}

std::int32_t IMAGESIZE_W(double wx1, double wy1, double wx2, double wy2) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return 0;
  const XyPair a = window_to_view(r->graphics, wx1, wy1);
  const XyPair b = window_to_view(r->graphics, wx2, wy2);
  return IMAGESIZE(a.x, a.y, b.x, b.y);
}

void GETIMAGE(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, void* buffer) {
  if (ChildRecord* r = graphics_window()) get_image(*r, x1, y1, x2, y2, buffer);
}

void GETIMAGE_W(double wx1, double wy1, double wx2, double wy2, void* buffer) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return;
  const XyPair a = window_to_view(r->graphics, wx1, wy1);
  const XyPair b = window_to_view(r->graphics, wx2, wy2);
  get_image(*r, a.x, a.y, b.x, b.y, buffer);
}

void PUTIMAGE(std::int16_t x, std::int16_t y, const void* buffer, std::int16_t action) {
  if (ChildRecord* r = graphics_window()) put_image(*r, x, y, buffer, action);
}

void PUTIMAGE_W(double wx, double wy, const void* buffer, std::int16_t action) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return;
  const XyPair p = window_to_view(r->graphics, wx, wy);
  put_image(*r, p.x, p.y, buffer, action);
}
