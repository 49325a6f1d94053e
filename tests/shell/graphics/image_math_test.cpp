// Bitmap file images: IMAGESIZE, the header bytes, the bounds-checked parse
// of images handed back to PUTIMAGE, the palette a loaded image brings and
// PUTIMAGE's raster operations.
#include "shell/graphics/image_math.h"

#include <gtest/gtest.h>

#include <cstring>

#include "shell/graphics/graphics_status.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using shell::Rgb;

std::uint32_t u32(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint32_t u16(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8;
}

void set32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A complete image: headers, table and pixel rows filled with a pattern.
Bytes whole_image(int width, int height, int bits, const std::vector<Rgb>& palette = {}) {
  Bytes image = shell::build_image_header(width, height, bits, palette);
  const std::size_t total = u32(image, 2);
  for (std::size_t i = image.size(); i < total; ++i) image.push_back(static_cast<std::uint8_t>(i));
  return image;
}

TEST(RowBytes, PaddedToFourBytes) {
  struct Case {
    std::uint64_t width;
    int bits;
    std::uint64_t bytes;
  } cases[] = {
      {7, 24, 24}, {1, 1, 4}, {32, 1, 4}, {33, 1, 8}, {9, 4, 8},
      {4, 8, 4},   {5, 8, 8}, {3, 16, 8}, {1, 32, 4}, {640, 8, 640},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shell::row_bytes(c.width, c.bits), c.bytes) << c.width << 'x' << c.bits;
  }
}

TEST(ImageSize, HeadersTableAndPaddedRows) {
  struct Case {
    std::int16_t x1, y1, x2, y2;
    int bits;
    std::int32_t bytes;
    std::int16_t status;
  } cases[] = {
      {0, 0, 639, 479, 8, 14 + 40 + 1024 + 640 * 480, shell::kStatusOk},
      {639, 479, 0, 0, 8, 14 + 40 + 1024 + 640 * 480, shell::kStatusAltered},
      {0, 0, 6, 2, 24, 54 + 24 * 3, shell::kStatusOk},
      {5, 5, 5, 5, 1, 54 + 8 + 4, shell::kStatusOk},  // a single pixel
      {-10, 0, 9, 0, 4, 54 + 64 + 12, shell::kStatusOk},
      {0, 9, 1, 0, 32, 54 + 8 * 10, shell::kStatusAltered},
      {0, 0, 9, 9, 16, 54 + 20 * 10, shell::kStatusOk},
      {0, 0, 9, 9, 2, 0, shell::kImageBadDepth},
      {0, 0, 9, 9, 0, 0, shell::kImageBadDepth},
      // 65536 x 65536 pixels does not fit a 32-bit size: refused, not wrapped.
      {-32768, -32768, 32767, 32767, 32, 0, shell::kImageNoMemory},
      {-32768, -32768, 32767, 32767, 4, 0, shell::kImageNoMemory},
      {0, 0, 32767, 32767, 24, 0, shell::kImageNoMemory},
  };
  for (const Case& c : cases) {
    const auto size = shell::image_size(c.x1, c.y1, c.x2, c.y2, c.bits);
    EXPECT_EQ(size.bytes, c.bytes)
        << c.x1 << ',' << c.y1 << ' ' << c.x2 << ',' << c.y2 << ' ' << c.bits;
    EXPECT_EQ(size.status, c.status) << c.x1 << ',' << c.y1 << ' ' << c.bits;
  }
  // The largest rectangle that still fits is sized exactly.
  EXPECT_EQ(shell::image_size(0, 0, 32767, 16383, 8).bytes, 54 + 1024 + 32768 * 16384);
}

TEST(ImageHeader, FieldsLittleEndian) {
  const Bytes h = shell::build_image_header(7, 3, 24, {});
  ASSERT_EQ(h.size(), 54u);
  EXPECT_EQ(h[0], 'B');
  EXPECT_EQ(h[1], 'M');
  EXPECT_EQ(u32(h, 2), 54u + 72u);
  EXPECT_EQ(u16(h, 6), 0u);
  EXPECT_EQ(u16(h, 8), 0u);
  EXPECT_EQ(u32(h, 10), 54u);
  EXPECT_EQ(u32(h, 14), 40u);
  EXPECT_EQ(u32(h, 18), 7u);
  EXPECT_EQ(u32(h, 22), 3u);
  EXPECT_EQ(u16(h, 26), 1u);
  EXPECT_EQ(u16(h, 28), 24u);
  EXPECT_EQ(u32(h, 30), 0u);
  EXPECT_EQ(u32(h, 34), 72u);
  for (std::size_t at : {38u, 42u, 46u, 50u}) EXPECT_EQ(u32(h, at), 0u) << at;
}

TEST(ImageHeader, ColourTableBlueGreenRedZero) {
  const Bytes h = shell::build_image_header(2, 2, 4, {Rgb{1, 2, 3}, Rgb{250, 251, 252}});
  ASSERT_EQ(h.size(), 54u + 64u);
  EXPECT_EQ(u32(h, 10), 118u);
  EXPECT_EQ(u32(h, 2), 118u + 8u);
  const Bytes first(h.begin() + 54, h.begin() + 62);
  EXPECT_EQ(first, (Bytes{3, 2, 1, 0, 252, 251, 250, 0}));
  for (std::size_t i = 62; i < h.size(); ++i) EXPECT_EQ(h[i], 0) << i;  // unused entries
  // A palette longer than the table fills it and no more.
  const Bytes mono = shell::build_image_header(1, 1, 1, shell::window_palette(16));
  ASSERT_EQ(mono.size(), 62u);
  EXPECT_EQ(u32(mono, 58), 0x000080u);  // entry 1, navy: blue in the first byte
}

TEST(ImageHeader, RefusesImpossibleImages) {
  EXPECT_TRUE(shell::build_image_header(0, 5, 8, {}).empty());
  EXPECT_TRUE(shell::build_image_header(5, -1, 8, {}).empty());
  EXPECT_TRUE(shell::build_image_header(5, 5, 12, {}).empty());
  EXPECT_TRUE(shell::build_image_header(65536, 65536, 32, {}).empty());
  EXPECT_TRUE(shell::build_image_header(0x7FFFFFFF, 0x7FFFFFFF, 32, {}).empty());
}

TEST(ParseImage, AcceptsWhatGetImageBuilds) {
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    const Bytes image = whole_image(13, 5, bits, shell::window_palette(16));
    const auto parsed = shell::parse_image(image.data(), image.size());
    ASSERT_EQ(parsed.status, shell::kStatusOk) << bits;
    EXPECT_EQ(parsed.layout.width, 13);
    EXPECT_EQ(parsed.layout.height, 5);
    EXPECT_EQ(parsed.layout.bits_per_pixel, bits);
    EXPECT_EQ(parsed.layout.color_table_entries, shell::color_table_entries(bits));
    EXPECT_EQ(parsed.layout.pixel_offset, 54u + 4u * shell::color_table_entries(bits));
    EXPECT_EQ(parsed.layout.row_bytes, shell::row_bytes(13, bits));
    EXPECT_EQ(parsed.layout.pixel_offset + parsed.layout.pixel_bytes, image.size()) << bits;
    EXPECT_EQ(shell::declared_image_bytes(image.data(), image.size()), image.size());
  }
}

TEST(ParseImage, RejectsMalformedHeaders) {
  const Bytes good = whole_image(4, 4, 8);
  struct Case {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    int width;  // 2 or 4 bytes written at `at`
    std::int16_t status;
  } cases[] = {
      {"type", 0, 0x4D41, 2, shell::kImageNotBitmap},
      {"core header", 14, 12, 4, shell::kImageNotBitmap},
      {"compressed", 30, 1, 4, shell::kImageNotBitmap},
      {"zero width", 18, 0, 4, shell::kImageNotBitmap},
      {"top-down height", 22, static_cast<std::uint32_t>(-4), 4, shell::kImageNotBitmap},
      {"two bits per pixel", 28, 2, 2, shell::kImageBadDepth},
      {"zero bits per pixel", 28, 0, 2, shell::kImageBadDepth},
      {"taller than the buffer", 22, 5, 4, shell::kImageTruncated},
      {"wider than the buffer", 18, 5, 4, shell::kImageTruncated},
      {"huge width and height", 18, 0x7FFFFFFF, 4, shell::kImageTruncated},
  };
  for (const Case& c : cases) {
    Bytes bad = good;
    if (c.width == 2) {
      bad[c.at] = static_cast<std::uint8_t>(c.value);
      bad[c.at + 1] = static_cast<std::uint8_t>(c.value >> 8);
    } else {
      set32(bad, c.at, c.value);
    }
    if (std::strcmp(c.what, "huge width and height") == 0) set32(bad, 22, 0x7FFFFFFF);
    EXPECT_EQ(shell::parse_image(bad.data(), bad.size()).status, c.status) << c.what;
  }
}

TEST(ParseImage, EveryTruncationIsRejectedWithoutReadingPastTheBuffer) {
  // Each prefix is copied into a buffer of exactly its length, so that a
  // read beyond it shows up under the address sanitizer.
  for (int bits : {1, 8, 24}) {
    const Bytes image = whole_image(5, 3, bits);
    for (std::size_t n = 0; n < image.size(); ++n) {
      const Bytes prefix(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(n));
      const auto parsed = shell::parse_image(prefix.empty() ? nullptr : prefix.data(), n);
      EXPECT_EQ(parsed.status, shell::kImageTruncated) << bits << " bits, " << n << " bytes";
    }
  }
  EXPECT_EQ(shell::parse_image(nullptr, 1000).status, shell::kImageTruncated);
  EXPECT_EQ(shell::declared_image_bytes(nullptr, 10), 0u);
}

TEST(ImagePalette, ColourTableAndWindowPaletteFromIt) {
  const Bytes image = whole_image(2, 2, 1, {Rgb{10, 20, 30}, Rgb{40, 50, 60}});
  const auto parsed = shell::parse_image(image.data(), image.size());
  ASSERT_EQ(parsed.status, shell::kStatusOk);
  EXPECT_EQ(shell::image_color_table(image.data(), parsed.layout),
            (std::vector<Rgb>{{10, 20, 30}, {40, 50, 60}}));
  const auto palette = shell::palette_from_image(image.data(), parsed.layout, 5);
  EXPECT_EQ(palette, (std::vector<Rgb>{
                         {10, 20, 30}, {40, 50, 60}, {10, 20, 30}, {40, 50, 60}, {10, 20, 30}}));
  EXPECT_EQ(shell::palette_from_image(image.data(), parsed.layout, 100000).size(), 256u);

  const Bytes deep = whole_image(2, 2, 24);
  const auto deep_parsed = shell::parse_image(deep.data(), deep.size());
  EXPECT_TRUE(shell::palette_from_image(deep.data(), deep_parsed.layout, 16).empty());
}

TEST(RasterOperation, ActionCodesAndTheirOperations) {
  struct Case {
    std::int16_t action;
    std::uint32_t rop;
  } cases[] = {
      {3, 0x00CC0020},    {32, 0x00CC0020},  {2, 0x00330008},   {8, 0x00330008},
      {0, 0x00EE0086},    {134, 0x00EE0086}, {1, 0x008800C6},   {198, 0x008800C6},
      {4, 0x00660046},    {70, 0x00660046},  {9, 0x00550009},   {550, 0x00BB0226},
      {2569, 0x00FB0A09}, {33, 0x00F00021},  {66, 0x00000042},  {98, 0x00FF0062},
      {73, 0x005A0049},   {166, 0x001100A6}, {202, 0x00C000CA}, {808, 0x00440328},
  };
  for (const Case& c : cases) {
    const auto op = shell::raster_operation(c.action);
    EXPECT_EQ(op.rop, c.rop) << c.action;
    EXPECT_EQ(op.status, shell::kStatusOk) << c.action;
  }
  for (std::int16_t action : {5, 6, 7, 10, 31, 34, 99, -1, -32768, 32767}) {
    EXPECT_EQ(shell::raster_operation(action).status, shell::kStatusInvalidParameter) << action;
  }
}

}  // namespace
