// Sizes, headers and checks of bitmap file images, and the raster operation
// of each PUTIMAGE action code. All multi-byte fields are little-endian.
#include "shell/graphics/image_math.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "shell/graphics/graphics_status.h"

namespace shell {
namespace {

constexpr std::uint16_t kBitmapType = 0x4D42;  // "BM"
constexpr std::int64_t kMaxImageBytes = std::numeric_limits<std::int32_t>::max();

void put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* p, std::uint32_t v) {
  put16(p, v);
  put16(p + 2, v >> 16);
}

std::uint32_t get16(const std::uint8_t* p) {
  return p[0] | static_cast<std::uint32_t>(p[1]) << 8;
}

std::uint32_t get32(const std::uint8_t* p) {
  return get16(p) | get16(p + 2) << 16;
}

std::int32_t get_signed32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(get32(p));
}

}  // namespace

bool valid_bits_per_pixel(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

int color_table_entries(int bits) {
  switch (bits) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

std::uint64_t row_bytes(std::uint64_t width, int bits) {
  return (width * static_cast<std::uint64_t>(bits) + 31) / 32 * 4;
}

std::int64_t image_bytes(std::int64_t width, std::int64_t height, int bits) {
  // Both sides are at most 65536 for rectangles of int16 corners; larger
  // values are refused before the products could overflow.
  constexpr std::int64_t kMaxSide = std::int64_t{1} << 24;
  if (!valid_bits_per_pixel(bits) || width < 1 || height < 1) return -1;
  if (width > kMaxSide || height > kMaxSide) return -1;
  const auto pixels = static_cast<std::int64_t>(row_bytes(static_cast<std::uint64_t>(width), bits));
  return kImageHeaderBytes + 4 * color_table_entries(bits) + pixels * height;
}

ImageRect order_image_rect(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  ImageRect rect;
  if (x2 < x1) {
    std::swap(x1, x2);
    rect.status = kStatusAltered;
  }
  if (y2 < y1) {
    std::swap(y1, y2);
    rect.status = kStatusAltered;
  }
  rect.left = x1;
  rect.top = y1;
  rect.right = x2;
  rect.bottom = y2;
  return rect;
}

ImageSize image_size(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, int bits) {
  const ImageRect rect = order_image_rect(x1, y1, x2, y2);
  if (!valid_bits_per_pixel(bits)) return ImageSize{0, kImageBadDepth};
  const std::int64_t bytes = image_bytes(rect.width(), rect.height(), bits);
  if (bytes > kMaxImageBytes) return ImageSize{0, kImageNoMemory};
  return ImageSize{static_cast<std::int32_t>(bytes), rect.status};
}

std::vector<std::uint8_t> build_image_header(int width, int height, int bits,
                                             const std::vector<Rgb>& palette) {
  const std::int64_t total = image_bytes(width, height, bits);
  if (total < 0 || total > kMaxImageBytes) return {};
  const int entries = color_table_entries(bits);
  const auto table_bytes = static_cast<std::uint32_t>(4 * entries);
  const auto header_end = static_cast<std::uint32_t>(kImageHeaderBytes) + table_bytes;

  std::vector<std::uint8_t> out(header_end, 0);
  std::uint8_t* p = out.data();
  put16(p + 0, kBitmapType);
  put32(p + 2, static_cast<std::uint32_t>(total));
  put32(p + 10, header_end);
  put32(p + 14, kInfoHeaderBytes);
  put32(p + 18, static_cast<std::uint32_t>(width));
  put32(p + 22, static_cast<std::uint32_t>(height));
  put16(p + 26, 1);
  put16(p + 28, static_cast<std::uint32_t>(bits));
  put32(p + 34, static_cast<std::uint32_t>(total) - header_end);
  const std::size_t copied = std::min(palette.size(), static_cast<std::size_t>(entries));
  for (std::size_t i = 0; i < copied; ++i) {
    std::uint8_t* entry = p + kImageHeaderBytes + 4 * i;
    entry[0] = palette[i].blue;
    entry[1] = palette[i].green;
    entry[2] = palette[i].red;
  }
  return out;
}

ParsedImage parse_image(const std::uint8_t* data, std::size_t size) {
  ParsedImage parsed;
  if (data == nullptr || size < static_cast<std::size_t>(kImageHeaderBytes)) {
    parsed.status = kImageTruncated;
    return parsed;
  }
  const std::int32_t width = get_signed32(data + 18);
  const std::int32_t height = get_signed32(data + 22);
  const int bits = static_cast<int>(get16(data + 28));
  if (get16(data) != kBitmapType || get32(data + 14) != kInfoHeaderBytes || get32(data + 30) != 0 ||
      width < 1 || height < 1) {
    parsed.status = kImageNotBitmap;
    return parsed;
  }
  if (!valid_bits_per_pixel(bits)) {
    parsed.status = kImageBadDepth;
    return parsed;
  }
  ImageLayout& layout = parsed.layout;
  layout.width = width;
  layout.height = height;
  layout.bits_per_pixel = bits;
  layout.color_table_entries = color_table_entries(bits);
  layout.pixel_offset =
      kImageHeaderBytes + 4 * static_cast<std::size_t>(layout.color_table_entries);
  const std::uint64_t stride = row_bytes(static_cast<std::uint64_t>(width), bits);
  // Pixel rows must fit in what follows the table; compared by division so
  // that a huge width times height cannot wrap around.
  if (size < layout.pixel_offset ||
      stride > (size - layout.pixel_offset) / static_cast<std::uint64_t>(height)) {
    parsed.status = kImageTruncated;
    return parsed;
  }
  layout.row_bytes = static_cast<std::size_t>(stride);
  layout.pixel_bytes = layout.row_bytes * static_cast<std::size_t>(height);
  return parsed;
}

std::uint32_t declared_image_bytes(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size < 6) return 0;
  return get32(data + 2);
}

std::vector<Rgb> image_color_table(const std::uint8_t* data, const ImageLayout& layout) {
  std::vector<Rgb> table(static_cast<std::size_t>(layout.color_table_entries));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::uint8_t* entry = data + kImageHeaderBytes + 4 * i;
    table[i] = Rgb{entry[2], entry[1], entry[0]};
  }
  return table;
}

std::vector<Rgb> palette_from_image(const std::uint8_t* data, const ImageLayout& layout,
                                    int colors) {
  const std::vector<Rgb> table = image_color_table(data, layout);
  if (table.empty()) return {};
  const int count = std::clamp(colors, 0, kMaxPaletteEntries);
  std::vector<Rgb> palette(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = table[i % table.size()];
  return palette;
}

RasterOperation raster_operation(std::int16_t action) {
  switch (action) {
    case 3:
    case 32:
      return {kRopSrcCopy, kStatusOk};
    case 2:
    case 8:
      return {kRopNotSrcCopy, kStatusOk};
    case 0:
    case 134:
      return {kRopSrcPaint, kStatusOk};
    case 1:
    case 198:
      return {kRopSrcAnd, kStatusOk};
    case 4:
    case 70:
      return {kRopSrcInvert, kStatusOk};
    case 9:
      return {kRopDstInvert, kStatusOk};
    case 550:
      return {kRopMergePaint, kStatusOk};
    case 2569:
      return {kRopPatPaint, kStatusOk};
    case 33:
      return {kRopPatCopy, kStatusOk};
    case 66:
      return {kRopBlackness, kStatusOk};
    case 98:
      return {kRopWhiteness, kStatusOk};
    case 73:
      return {kRopPatInvert, kStatusOk};
    case 166:
      return {kRopNotSrcErase, kStatusOk};
    case 202:
      return {kRopMergeCopy, kStatusOk};
    case 808:
      return {kRopSrcErase, kStatusOk};
    default:
      return {0, kStatusInvalidParameter};
  }
}

}  // namespace shell
