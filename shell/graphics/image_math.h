// The bitmap file image that GETIMAGE fills, PUTIMAGE draws and the .bmp
// files hold: its size (IMAGESIZE), its headers, a bounds-checked parse of
// an image handed back by the program, and PUTIMAGE's raster operations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "shell/graphics/colors.h"
#include "shell/graphics/graphics_state.h"

namespace shell {

inline constexpr int kFileHeaderBytes = 14;
inline constexpr int kInfoHeaderBytes = 40;
inline constexpr int kImageHeaderBytes = kFileHeaderBytes + kInfoHeaderBytes;  // 54

// Statuses of the image calls (besides 0 and 3).
inline constexpr GraphicsStatus kImageBadDepth = -3;    // bits per pixel not 1/4/8/16/24/32
inline constexpr GraphicsStatus kImageNoMemory = -8;    // too large to hold in memory
inline constexpr GraphicsStatus kImageTruncated = -11;  // shorter than its headers say
inline constexpr GraphicsStatus kImageNotBitmap = -12;  // not "BM", header not 40, compressed
inline constexpr GraphicsStatus kImageTooLarge = -13;   // wider or higher than the screen

bool valid_bits_per_pixel(int bits_per_pixel);
// Colour table entries: 2, 16 or 256 for 1, 4 or 8 bits per pixel, else 0.
int color_table_entries(int bits_per_pixel);
// Bytes of one pixel row, padded to a multiple of 4.
std::uint64_t row_bytes(std::uint64_t width, int bits_per_pixel);
// Whole image bytes (headers, colour table, pixels) of a width x height
// image; -1 for an invalid depth or a size below 1.
std::int64_t image_bytes(std::int64_t width, std::int64_t height, int bits_per_pixel);

// A rectangle of pixels with its corners put in order (status 3 if swapped).
struct ImageRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // inclusive
  GraphicsStatus status = 0;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};
ImageRect order_image_rect(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);

// IMAGESIZE: bytes of the image of the rectangle. An invalid depth gives 0
// and status -3; an image beyond the 32-bit size range gives 0 and status -8
// instead of a wrapped size that would under-allocate the buffer.
struct ImageSize {
  std::int32_t bytes = 0;
  GraphicsStatus status = 0;
};
ImageSize image_size(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
                     int bits_per_pixel);

// The 54 header bytes and the colour table (little-endian) of a width x
// height image; the table's leading entries come from `palette` (blue,
// green, red, 0), the rest are zero. Empty when the size is below 1, the
// depth invalid or the image too large for the 32-bit size fields.
std::vector<std::uint8_t> build_image_header(int width, int height, int bits_per_pixel,
                                             const std::vector<Rgb>& palette);

// Where the parts of a valid image lie.
struct ImageLayout {
  int width = 0, height = 0, bits_per_pixel = 0;
  int color_table_entries = 0;  // at byte 54
  std::size_t pixel_offset = 0;
  std::size_t row_bytes = 0;
  std::size_t pixel_bytes = 0;  // row_bytes * height, all inside the buffer
};
struct ParsedImage {
  GraphicsStatus status = 0;  // 0, or -11, -12, -3 as above
  ImageLayout layout;
};
// Checks the `size` bytes at `data` as an image: "BM", a 40-byte info header,
// no compression, a valid depth, a positive width and height, and a colour
// table and pixel rows that lie entirely within the buffer. Never reads past
// `size`; pixels start right after the colour table.
ParsedImage parse_image(const std::uint8_t* data, std::size_t size);

// The file-size field of an image's header (the bytes a caller who does not
// know the buffer's length may trust it to hold); 0 when `size` < 6.
std::uint32_t declared_image_bytes(const std::uint8_t* data, std::size_t size);

// The colour table of a parsed image, as colours.
std::vector<Rgb> image_color_table(const std::uint8_t* data, const ImageLayout& layout);
// A window palette of `colors` entries taken from an image's colour table,
// entry i from table entry i modulo the table size; empty for images
// without a table.
std::vector<Rgb> palette_from_image(const std::uint8_t* data, const ImageLayout& layout,
                                    int colors);

// PUTIMAGE action code -> the raster operation it names.
inline constexpr std::uint32_t kRopSrcCopy = 0x00CC0020;      // S
inline constexpr std::uint32_t kRopNotSrcCopy = 0x00330008;   // not S
inline constexpr std::uint32_t kRopSrcPaint = 0x00EE0086;     // S or D
inline constexpr std::uint32_t kRopSrcAnd = 0x008800C6;       // S and D
inline constexpr std::uint32_t kRopSrcInvert = 0x00660046;    // S xor D
inline constexpr std::uint32_t kRopDstInvert = 0x00550009;    // not D
inline constexpr std::uint32_t kRopMergePaint = 0x00BB0226;   // (not S) or D
inline constexpr std::uint32_t kRopPatPaint = 0x00FB0A09;     // brush or (not S) or D
inline constexpr std::uint32_t kRopPatCopy = 0x00F00021;      // brush
inline constexpr std::uint32_t kRopBlackness = 0x00000042;    // black
inline constexpr std::uint32_t kRopWhiteness = 0x00FF0062;    // white
inline constexpr std::uint32_t kRopPatInvert = 0x005A0049;    // brush xor D
inline constexpr std::uint32_t kRopNotSrcErase = 0x001100A6;  // not (S or D)
inline constexpr std::uint32_t kRopMergeCopy = 0x00C000CA;    // S and brush
inline constexpr std::uint32_t kRopSrcErase = 0x00440328;     // S and (not D)

struct RasterOperation {
  std::uint32_t rop = 0;
  GraphicsStatus status = 0;  // -4 for an unknown code: nothing is drawn
};
RasterOperation raster_operation(std::int16_t action);

}  // namespace shell
