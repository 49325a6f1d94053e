// Bitmap files through the C library, so the same code is tested natively.
// On Windows the file to save is opened unshared, as the system's own
// image writers do.
#include "shell/graphics/bitmap_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

#include "shell/graphics/graphics_status.h"

#ifdef _WIN32
#include <share.h>
#endif

namespace shell {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::uint32_t get16(const std::uint8_t* p) {
  return p[0] | static_cast<std::uint32_t>(p[1]) << 8;
}
std::uint32_t get32(const std::uint8_t* p) {
  return get16(p) | get16(p + 2) << 16;
}

bool write_all(std::FILE* f, const std::uint8_t* data, std::size_t n) {
  return n == 0 || std::fwrite(data, 1, n, f) == n;
}

bool read_all(std::FILE* f, std::uint8_t* data, std::size_t n) {
  return n == 0 || std::fread(data, 1, n, f) == n;
}

File open_for_writing(const std::string& path) {
#ifdef _WIN32
  return File(_fsopen(path.c_str(), "wb", _SH_DENYRW));
#else
  return File(std::fopen(path.c_str(), "wb"));
#endif
}

}  // namespace

GraphicsStatus write_bitmap_file(const std::string& path, const std::uint8_t* image,
                                 std::size_t size) {
  File f = open_for_writing(path);
  if (!f) return kImageCannotCreate;
  // Header, info header, then colour table and pixels, each written whole.
  const std::size_t file_header = std::min<std::size_t>(size, kFileHeaderBytes);
  const std::size_t info_header = std::min<std::size_t>(size - file_header, kInfoHeaderBytes);
  const std::size_t rest = size - file_header - info_header;
  if (!write_all(f.get(), image, file_header) ||
      !write_all(f.get(), image + file_header, info_header) ||
      !write_all(f.get(), image + file_header + info_header, rest)) {
    return kImageWriteFailed;
  }
  // Buffered bytes reach the file only here: a full disk shows at closing.
  std::FILE* raw = f.release();
  return std::fclose(raw) == 0 ? kStatusOk : kImageWriteFailed;
}

LoadedBitmap read_bitmap_file(const std::string& path, int screen_width, int screen_height) {
  LoadedBitmap out;
  File f(std::fopen(path.c_str(), "rb"));
  if (!f) {
    out.status = kImageCannotOpen;
    return out;
  }
  std::uint8_t header[kImageHeaderBytes];
  if (!read_all(f.get(), header, kFileHeaderBytes)) {
    out.status = kImageTruncated;
    return out;
  }
  if (get16(header) != 0x4D42) {  // "BM"
    out.status = kImageNotBitmap;
    return out;
  }
  if (!read_all(f.get(), header + kFileHeaderBytes, kInfoHeaderBytes)) {
    out.status = kImageTruncated;
    return out;
  }
  const auto width = static_cast<std::int32_t>(get32(header + 18));
  const auto height = static_cast<std::int32_t>(get32(header + 22));
  const int bits = static_cast<int>(get16(header + 28));
  // Top-down (negative height) and empty images are no images of ours.
  if (get32(header + 14) != kInfoHeaderBytes || get32(header + 30) != 0 || width < 1 ||
      height < 1) {
    out.status = kImageNotBitmap;
    return out;
  }
  if (!valid_bits_per_pixel(bits)) {
    out.status = kImageBadDepth;
    return out;
  }
  if (width > screen_width || height > screen_height) {
    out.status = kImageTooLarge;
    return out;
  }
  const std::uint64_t needed =
      row_bytes(static_cast<std::uint64_t>(width), bits) * static_cast<std::uint64_t>(height);
  const std::uint32_t image_size = get32(header + 34);
  if (image_size != 0 && image_size < needed) {
    out.status = kImageTruncated;
    return out;
  }
  const std::size_t table_bytes = 4 * static_cast<std::size_t>(color_table_entries(bits));
  std::vector<std::uint8_t> table(table_bytes);
  if (!read_all(f.get(), table.data(), table_bytes)) {
    out.status = kImageTruncated;
    return out;
  }
  std::vector<Rgb> colors(table_bytes / 4);
  for (std::size_t i = 0; i < colors.size(); ++i)
    colors[i] = Rgb{table[4 * i + 2], table[4 * i + 1], table[4 * i]};
  try {
    out.image = build_image_header(width, height, bits, colors);
    const std::size_t pixels_at = out.image.size();
    out.image.resize(pixels_at + static_cast<std::size_t>(needed));
    if (!read_all(f.get(), out.image.data() + pixels_at, static_cast<std::size_t>(needed))) {
      out.image.clear();
      out.status = kImageTruncated;
      return out;
    }
  } catch (const std::bad_alloc&) {
    out.image.clear();
    out.status = kImageNoMemory;
    return out;
  }
  out.layout = parse_image(out.image.data(), out.image.size()).layout;
  return out;
}

std::string image_file_name(const char* text, std::size_t length) {
  if (text == nullptr) return {};
  std::string name(text, length);
  name.erase(std::min(name.find('\0'), name.size()));  // a C text ends at its NUL
  const std::size_t last = name.find_last_not_of(' ');
  name.erase(last == std::string::npos ? 0 : last + 1);
  return name;
}

}  // namespace shell
