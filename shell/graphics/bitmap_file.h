// Bitmap (.bmp) files of the image calls: writing an image as GETIMAGE
// builds it, and reading one back into that form, checked against the
// window's virtual screen, with the status of every way it can fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/graphics/image_math.h"

namespace shell {

inline constexpr GraphicsStatus kImageCannotOpen = -10;    // the file to load
inline constexpr GraphicsStatus kImageDrawFailed = -14;    // PUTIMAGE left a status
inline constexpr GraphicsStatus kImageTakeFailed = -15;    // GETIMAGE left a status
inline constexpr GraphicsStatus kImageCannotCreate = -16;  // the file to save
inline constexpr GraphicsStatus kImageWriteFailed = -17;   // a write failed or was short

// Writes the `size` bytes of `image` (headers, colour table, pixels) to a
// new file `path`, replacing any old one: 0, -16 when the file cannot be
// created, -17 when a write (or closing the file) fails. What was written
// before a failure stays.
GraphicsStatus write_bitmap_file(const std::string& path, const std::uint8_t* image,
                                 std::size_t size);

struct LoadedBitmap {
  GraphicsStatus status = 0;  // 0, -3, -8, -10, -11, -12 or -13
  // The image in the form PUTIMAGE draws: fresh headers, the file's colour
  // table and its pixel rows.
  std::vector<std::uint8_t> image;
  ImageLayout layout;
};

// Reads bitmap file `path` for a virtual screen of `screen_width` x
// `screen_height` pixels. The file must begin with "BM" and a 40-byte
// uncompressed info header (-12) of a valid depth (-3) and a size that fits
// the screen (-13); the colour table (2, 16 or 256 entries for 1, 4 or 8
// bits per pixel) follows the headers and the pixel rows follow the table,
// all of them present (-11). A zero image size counts as the rows' size;
// one smaller than the rows need is a short file.
LoadedBitmap read_bitmap_file(const std::string& path, int screen_width, int screen_height);

// The file name a program passes with its length: the text up to its first
// NUL, if any, without trailing blanks.
std::string image_file_name(const char* text, std::size_t length);

}  // namespace shell
