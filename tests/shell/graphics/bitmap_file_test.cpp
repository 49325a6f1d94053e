// Bitmap files of SAVEIMAGE and LOADIMAGE: what is written, what is read
// back, and the status of every kind of bad file.
#include "shell/graphics/bitmap_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "shell/graphics/graphics_status.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::TempDir;

Bytes image_of(int width, int height, int bits) {
  Bytes image = shell::build_image_header(width, height, bits, shell::window_palette(16));
  const std::size_t total = image[2] | image[3] << 8 | image[4] << 16;
  for (std::size_t i = image.size(); i < total; ++i)
    image.push_back(static_cast<std::uint8_t>(i * 7));
  return image;
}

std::string as_text(const Bytes& b) {
  return std::string(b.begin(), b.end());
}

void set32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

TEST(BitmapFile, WrittenFileIsTheImageAndReadsBackTheSame) {
  TempDir dir;
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    const Bytes image = image_of(7, 3, bits);
    const std::string path = dir.file("image" + std::to_string(bits) + ".bmp");
    ASSERT_EQ(shell::write_bitmap_file(path, image.data(), image.size()), shell::kStatusOk);
    EXPECT_EQ(testing_support::read_file(path), as_text(image)) << bits;
    const shell::LoadedBitmap loaded = shell::read_bitmap_file(path, 7, 3);
    ASSERT_EQ(loaded.status, shell::kStatusOk) << bits;
    EXPECT_EQ(loaded.image, image) << bits;
    EXPECT_EQ(loaded.layout.width, 7);
    EXPECT_EQ(loaded.layout.bits_per_pixel, bits);
  }
}

TEST(BitmapFile, ReplacesAnOldFileWhole) {
  TempDir dir;
  const std::string path = dir.write("old.bmp", std::string(5000, 'x'));
  const Bytes image = image_of(2, 2, 24);
  ASSERT_EQ(shell::write_bitmap_file(path, image.data(), image.size()), shell::kStatusOk);
  EXPECT_EQ(testing_support::read_file(path), as_text(image));
}

TEST(BitmapFile, FilesOfOtherWritersLoad) {
  TempDir dir;
  // A zero image size, and an image size larger than the rows (padding at
  // the end), as other programs write them.
  Bytes zero = image_of(5, 2, 8);
  set32(zero, 34, 0);
  Bytes larger = image_of(5, 2, 8);
  set32(larger, 34, 16 + 4);
  larger.insert(larger.end(), {0, 0, 0, 0});
  for (const Bytes* b : {&zero, &larger}) {
    const std::string path = dir.write("other.bmp", as_text(*b));
    const shell::LoadedBitmap loaded = shell::read_bitmap_file(path, 5, 2);
    ASSERT_EQ(loaded.status, shell::kStatusOk);
    EXPECT_EQ(loaded.layout.pixel_bytes, 16u);
    EXPECT_EQ(Bytes(loaded.image.end() - 16, loaded.image.end()),
              Bytes(b->begin() + 54 + 1024, b->begin() + 54 + 1024 + 16));
  }
}

TEST(BitmapFile, EveryBadFileHasItsStatus) {
  TempDir dir;
  const Bytes good = image_of(4, 3, 8);
  struct Case {
    const char* what;
    std::size_t at;  // 4-byte field to change, or 0 for none
    std::uint32_t value;
    std::size_t keep;  // bytes of the file kept, 0 for all
    int screen_w, screen_h;
    shell::GraphicsStatus status;
  } cases[] = {
      {"not BM", 0, 0x00004D41, 0, 4, 3, shell::kImageNotBitmap},
      {"core header", 14, 12, 0, 4, 3, shell::kImageNotBitmap},
      {"compressed", 30, 1, 0, 4, 3, shell::kImageNotBitmap},
      {"top-down", 22, static_cast<std::uint32_t>(-3), 0, 4, 3, shell::kImageNotBitmap},
      {"two bits per pixel", 28, 2, 0, 4, 3, shell::kImageBadDepth},
      {"wider than the screen", 0, 0, 0, 3, 3, shell::kImageTooLarge},
      {"higher than the screen", 0, 0, 0, 4, 2, shell::kImageTooLarge},
      {"huge and short", 18, 0x7FFFFFFF, 0, 4, 3, shell::kImageTooLarge},
      {"short file header", 0, 0, 10, 4, 3, shell::kImageTruncated},
      {"short info header", 0, 0, 40, 4, 3, shell::kImageTruncated},
      {"short colour table", 0, 0, 54 + 1000, 4, 3, shell::kImageTruncated},
      {"short pixels", 0, 0, 54 + 1024 + 11, 4, 3, shell::kImageTruncated},
      {"image size below the rows", 34, 8, 0, 4, 3, shell::kImageTruncated},
      {"empty file", 0, 0, 1, 4, 3, shell::kImageTruncated},
  };
  for (const Case& c : cases) {
    Bytes bad = good;
    if (c.at != 0 || c.value != 0) set32(bad, c.at, c.value);
    if (c.keep == 1) bad.clear();
    if (c.keep > 1) bad.resize(c.keep);
    const std::string path = dir.write("bad.bmp", as_text(bad));
    const shell::LoadedBitmap loaded = shell::read_bitmap_file(path, c.screen_w, c.screen_h);
    EXPECT_EQ(loaded.status, c.status) << c.what;
    EXPECT_TRUE(loaded.image.empty()) << c.what;
  }
  EXPECT_EQ(shell::read_bitmap_file(dir.file("missing.bmp"), 4, 3).status, shell::kImageCannotOpen);
}

TEST(BitmapFile, CreateAndWriteFailures) {
  TempDir dir;
  const Bytes image = image_of(4, 4, 24);
  EXPECT_EQ(shell::write_bitmap_file(dir.file("no/such/folder.bmp"), image.data(), image.size()),
            shell::kImageCannotCreate);
  EXPECT_EQ(shell::write_bitmap_file(dir.path(), image.data(), image.size()),
            shell::kImageCannotCreate);
#ifndef _WIN32
  // A device that takes no bytes: the failure shows when the file is closed.
  if (std::FILE* probe = std::fopen("/dev/full", "wb")) {
    std::fclose(probe);
    EXPECT_EQ(shell::write_bitmap_file("/dev/full", image.data(), image.size()),
              shell::kImageWriteFailed);
  }
#endif
}

TEST(BitmapFile, FileNameWithoutTrailingBlanks) {
  EXPECT_EQ(shell::image_file_name("a b.bmp   ", 10), "a b.bmp");
  EXPECT_EQ(shell::image_file_name("  x.bmp", 7), "  x.bmp");
  EXPECT_EQ(shell::image_file_name("x.bmp\0junk", 10), "x.bmp");
  EXPECT_EQ(shell::image_file_name("     ", 5), "");
  EXPECT_EQ(shell::image_file_name(nullptr, 5), "");
}

}  // namespace
