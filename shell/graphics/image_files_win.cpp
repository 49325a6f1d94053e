// SAVEIMAGE and LOADIMAGE on the active window, and the save of a window's
// whole virtual screen that the File menu's Save and Print build on. The
// file format and its checks are window-free (bitmap_file); this is the
// part that takes the pixels and changes the palette.
#include "shell/graphics/image_files_win.h"

#include <windows.h>

#include <limits>
#include <new>

#include "shell/child/child_record_win.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/graphics/bitmap_file.h"
#include "shell/graphics/coordinates.h"
#include "shell/graphics/graphics_calls.h"
#include "shell/graphics/graphics_status.h"
#include "shell/graphics/image_capture_win.h"
#include "shell/graphics/image_files.h"
#include "shell/graphics/palette_win.h"
#include "shell/graphics/screen_areas.h"

namespace shell {

ChildRecord* graphics_window();  // graphics_services_win.cpp

namespace {

std::int32_t failed(GraphicsStatus status) {
  set_graphics_status(status);
  return -1;
}

bool fits_int16(int v) {
  return v >= std::numeric_limits<std::int16_t>::min() &&
         v <= std::numeric_limits<std::int16_t>::max();
}

// The image of a view rectangle of `r`; status 0 (or 3 for corners put in
// order) with the image, or the failure status without one.
GraphicsStatus take_image(ChildRecord& r, std::int16_t x1, std::int16_t y1, std::int16_t x2,
                          std::int16_t y2, std::vector<std::uint8_t>& image) {
  const ImageSize size = image_size(x1, y1, x2, y2, image_bits(r));
  if (size.status < 0) return size.status;
  try {
    image.assign(static_cast<std::size_t>(size.bytes), 0);
  } catch (const std::bad_alloc&) {
    return kImageNoMemory;
  }
  set_graphics_status(kStatusOk);
  get_image(r, x1, y1, x2, y2, image.data());
  // Corners given out of order (status 3) still give the whole image.
  if (graphics_status() < 0) {
    image.clear();
    return kImageTakeFailed;
  }
  return size.status;
}

// Gives the window the palette of a loaded image of 1, 4 or 8 bits per
// pixel, as many entries as the window has colours.
GraphicsStatus take_palette(ChildRecord& r, const LoadedBitmap& b) {
  std::vector<Rgb> entries;
  try {
    entries = palette_from_image(b.image.data(), b.layout, r.colors);
  } catch (const std::bad_alloc&) {
    return kImageNoMemory;
  }
  if (entries.empty()) return kStatusOk;  // no colour table above 8 bits
  Locked draw(r.drawing_lock);
  if (!replace_palette(r, entries)) {
    error_box(kErrorUnexpected, __FILE__, __LINE__);
    return kStatusError;
  }
  InvalidateRect(r.target, nullptr, FALSE);
  return kStatusOk;
}

std::int32_t load_image(ChildRecord& r, const char* file, std::int32_t length, XyPair at) {
  const std::string name = image_file_name(file, length > 0 ? static_cast<std::size_t>(length) : 0);
  const LoadedBitmap b = read_bitmap_file(name, r.screen_width, r.screen_height);
  if (b.status != 0) return failed(b.status);
  const GraphicsStatus palette = take_palette(r, b);
  if (palette != 0) return failed(palette);
  set_graphics_status(kStatusOk);
  PUTIMAGE(at.x, at.y, b.image.data(), 3);
  if (graphics_status() != 0) return failed(kImageDrawFailed);
  return 0;
}

}  // namespace

std::int32_t save_image(ChildRecord& r, const std::string& path, std::int16_t x1, std::int16_t y1,
                        std::int16_t x2, std::int16_t y2) {
  std::vector<std::uint8_t> image;
  const GraphicsStatus taken = take_image(r, x1, y1, x2, y2, image);
  if (taken < 0) return failed(taken);
  const GraphicsStatus written = write_bitmap_file(path, image.data(), image.size());
  if (written != 0) return failed(written);
  set_graphics_status(taken);
  return 0;
}

std::vector<std::uint8_t> whole_screen_image(ChildRecord& r, bool& out_of_memory) {
  out_of_memory = false;
  std::vector<std::uint8_t> image;
  const int x1 = -r.graphics.origin_x, y1 = -r.graphics.origin_y;
  const int x2 = r.screen_width - r.graphics.origin_x - 1;
  const int y2 = r.screen_height - r.graphics.origin_y - 1;
  // An origin so far off that the screen has no view coordinates: no image.
  if (!fits_int16(x1) || !fits_int16(y1) || !fits_int16(x2) || !fits_int16(y2)) return image;
  {
    Locked draw(r.drawing_lock);
    SelectClipRgn(r.memory_dc.get(), nullptr);
    SelectClipRgn(r.screen_dc, nullptr);
    note_clips_removed(r.graphics);  // selected again before the next drawing
  }
  const GraphicsStatus taken =
      take_image(r, static_cast<std::int16_t>(x1), static_cast<std::int16_t>(y1),
                 static_cast<std::int16_t>(x2), static_cast<std::int16_t>(y2), image);
  out_of_memory = taken == kImageNoMemory;
  return image;
}

}  // namespace shell

using namespace shell;

std::int32_t SAVEIMAGE(const char* file, std::int32_t file_length, std::int16_t x1, std::int16_t y1,
                       std::int16_t x2, std::int16_t y2) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return -1;
  const std::string name =
      image_file_name(file, file_length > 0 ? static_cast<std::size_t>(file_length) : 0);
  return save_image(*r, name, x1, y1, x2, y2);
}

std::int32_t SAVEIMAGE_W(const char* file, std::int32_t file_length, double wx1, double wy1,
                         double wx2, double wy2) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return -1;
  const XyPair a = window_to_view(r->graphics, wx1, wy1);
  const XyPair b = window_to_view(r->graphics, wx2, wy2);
  const std::string name =
      image_file_name(file, file_length > 0 ? static_cast<std::size_t>(file_length) : 0);
  return save_image(*r, name, a.x, a.y, b.x, b.y);
}

std::int32_t LOADIMAGE(const char* file, std::int32_t file_length, std::int16_t x, std::int16_t y) {
  ChildRecord* r = graphics_window();
  return r != nullptr ? load_image(*r, file, file_length, XyPair{x, y}) : -1;
}

std::int32_t LOADIMAGE_W(const char* file, std::int32_t file_length, double wx, double wy) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return -1;
  return load_image(*r, file, file_length, window_to_view(r->graphics, wx, wy));
}
