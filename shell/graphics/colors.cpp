// Colour word conversions, the default palette table and window palettes.
// The 256-entry table extends the sixteen standard colours with a colour cube
// and a grey ramp so that windows with many colours get usable entries.
#include "shell/graphics/colors.h"

#include <algorithm>

#include "shell/graphics/graphics_status.h"

namespace shell {
namespace {

constexpr int kCubeFirst = 16;
constexpr int kCubeSide = 6;
constexpr int kGreyFirst = kCubeFirst + kCubeSide * kCubeSide * kCubeSide;  // 232
constexpr int kCubeStep = 51;                                               // 0, 51 ... 255
constexpr int kGreyBase = 8;
constexpr int kGreyStep = 10;  // 8, 18 ... 238: greys between the cube's levels

constexpr std::uint8_t byte_of(std::int32_t v) {
  return static_cast<std::uint8_t>(v & 0xFF);
}

std::uint8_t six_bit_to_byte(std::int32_t component) {
  return static_cast<std::uint8_t>(std::min(component & 0xFF, 63) * 4);
}

int squared_distance(Rgb a, Rgb b) {
  const int dr = a.red - b.red;
  const int dg = a.green - b.green;
  const int db = a.blue - b.blue;
  return dr * dr + dg * dg + db * db;
}

}  // namespace

const std::array<Rgb, 16> kDefaultPalette = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

std::int32_t rgb_to_integer(std::int32_t red, std::int32_t green, std::int32_t blue) {
  return rgb_value(Rgb{byte_of(red), byte_of(green), byte_of(blue)});
}

Rgb integer_to_rgb(std::int32_t color) {
  return rgb_from_value(color);
}

bool default_palette_entry(int index, Rgb& out) {
  if (index < 0 || index >= kMaxPaletteEntries) return false;
  if (index < kCubeFirst) {
    out = kDefaultPalette[static_cast<std::size_t>(index)];
  } else if (index < kGreyFirst) {
    const int cube = index - kCubeFirst;
    out = Rgb{static_cast<std::uint8_t>(cube / (kCubeSide * kCubeSide) * kCubeStep),
              static_cast<std::uint8_t>(cube / kCubeSide % kCubeSide * kCubeStep),
              static_cast<std::uint8_t>(cube % kCubeSide * kCubeStep)};
  } else {
    const auto grey = static_cast<std::uint8_t>(kGreyBase + (index - kGreyFirst) * kGreyStep);
    out = Rgb{grey, grey, grey};
  }
  return true;
}

std::vector<Rgb> window_palette(int colors) {
  if (colors == 2) return {Rgb{0, 0, 0}, Rgb{255, 255, 255}};
  const int count = std::clamp(colors, 0, kMaxPaletteEntries);
  std::vector<Rgb> palette(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) default_palette_entry(i, palette[static_cast<std::size_t>(i)]);
  return palette;
}

ColorWord default_graphics_color(int colors) {
  if (colors >= 16) return index_word(15);
  return index_word(std::max(colors - 1, 0));
}

std::int32_t previous_color_rgb(ColorWord word) {
  if (is_rgb_word(word)) return static_cast<std::int32_t>(word) & kRgbMask;
  Rgb entry;
  if (!default_palette_entry(word_index(word), entry)) return -1;
  return rgb_value(entry);
}

std::int32_t current_color_rgb(ColorWord word, const std::vector<Rgb>& palette) {
  if (is_rgb_word(word)) return static_cast<std::int32_t>(word) & kRgbMask;
  const auto index = static_cast<std::size_t>(word_index(word));
  if (index >= palette.size()) return -1;
  return rgb_value(palette[index]);
}

int nearest_palette_index(Rgb color, const std::vector<Rgb>& palette) {
  int best = -1;
  int best_distance = 0;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int d = squared_distance(color, palette[i]);
    if (best < 0 || d < best_distance) {
      best = static_cast<int>(i);
      best_distance = d;
    }
  }
  return best;
}

TextColorChange set_text_color_index(ColorWord current, std::int16_t index) {
  TextColorChange change;
  change.text_color = current;
  change.previous =
      is_rgb_word(current) ? std::int16_t{-2} : static_cast<std::int16_t>(word_index(current));
  if (index < 0 || index > 31) {
    change.status = kStatusInvalidParameter;
    return change;
  }
  change.changed = true;
  change.text_color = index_word(index % 16);
  change.status = index >= 16 ? kStatusAltered : kStatusOk;
  return change;
}

std::int16_t text_color_index(ColorWord word, const std::vector<Rgb>& palette) {
  if (!is_rgb_word(word)) return static_cast<std::int16_t>(word_index(word));
  return static_cast<std::int16_t>(
      nearest_palette_index(rgb_from_value(static_cast<std::int32_t>(word)), palette));
}

Rgb from_palette6(std::int32_t color) {
  return Rgb{six_bit_to_byte(color), six_bit_to_byte(color >> 8), six_bit_to_byte(color >> 16)};
}

std::int32_t to_palette6(Rgb color) {
  return rgb_value(Rgb{static_cast<std::uint8_t>(color.red >> 2),
                       static_cast<std::uint8_t>(color.green >> 2),
                       static_cast<std::uint8_t>(color.blue >> 2)});
}

}  // namespace shell
