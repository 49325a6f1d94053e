// Colour words, palettes and the conversions behind the shell's colour
// services: RGB and palette-index forms, the default palette and a window's
// palette built from it, the text-colour index rule and the 6-bit palette form.
// Portable: no platform header.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace shell {

// A stored colour: bit 31 set means bits 0-23 hold 0x00BBGGRR, bit 31 clear
// means bits 0-15 hold a palette index.
using ColorWord = std::uint32_t;

inline constexpr ColorWord kRgbWordFlag = 0x80000000u;
inline constexpr std::int32_t kRgbMask = 0x00FFFFFF;
// Entries a window palette can have; larger colour counts are capped here.
inline constexpr int kMaxPaletteEntries = 256;

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(Rgb a, Rgb b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  }
  friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

constexpr bool is_rgb_word(ColorWord word) {
  return (word & kRgbWordFlag) != 0;
}
// The word stored by SET...COLORRGB for a caller's 0x00BBGGRR value.
constexpr ColorWord rgb_word(std::int32_t rgb) {
  return (static_cast<ColorWord>(rgb) & static_cast<ColorWord>(kRgbMask)) | kRgbWordFlag;
}
constexpr ColorWord index_word(int index) {
  return static_cast<ColorWord>(index) & 0xFFFFu;
}
constexpr int word_index(ColorWord word) {
  return static_cast<int>(word & 0xFFFFu);
}

// 0x00BBGGRR value of a colour and back (bits above 23 ignored).
constexpr std::int32_t rgb_value(Rgb c) {
  return static_cast<std::int32_t>(c.blue) << 16 | static_cast<std::int32_t>(c.green) << 8 |
         static_cast<std::int32_t>(c.red);
}
constexpr Rgb rgb_from_value(std::int32_t value) {
  return Rgb{static_cast<std::uint8_t>(value & 0xFF),
             static_cast<std::uint8_t>((value >> 8) & 0xFF),
             static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

// RGBTOINTEGER and INTEGERTORGB: only the low byte of each component counts.
std::int32_t rgb_to_integer(std::int32_t red, std::int32_t green, std::int32_t blue);
Rgb integer_to_rgb(std::int32_t color);

// The sixteen colours every window palette starts from.
extern const std::array<Rgb, 16> kDefaultPalette;

// Entry `index` of the 256-entry table that window palettes are cut from:
// the sixteen default colours, then a 6x6x6 colour cube (16-231) and a
// 24-step grey ramp (232-255). Indices outside 0-255 have no entry: false.
bool default_palette_entry(int index, Rgb& out);

// The palette of a window with `colors` colours: black and white for two
// colours, otherwise the leading entries of the table above (at most 256,
// none for a count below 1).
std::vector<Rgb> window_palette(int colors);

// Graphics colour of a new or reconfigured window: index 15, or the last
// palette entry for windows with fewer than 16 colours.
ColorWord default_graphics_color(int colors);

// The previous value that SET...COLORRGB returns: an RGB word's low 24 bits,
// an index word's entry in the default table; -1 for an index with no entry.
std::int32_t previous_color_rgb(ColorWord word);

// GET...COLORRGB: an RGB word's low 24 bits, an index word's entry in the
// window's own palette; -1 when the palette has no such entry.
std::int32_t current_color_rgb(ColorWord word, const std::vector<Rgb>& palette);

// Index of the palette entry closest to `color` (squared RGB distance, the
// lowest index on a tie); -1 for an empty palette.
int nearest_palette_index(Rgb color, const std::vector<Rgb>& palette);

// SETTEXTCOLOR: what the text colour becomes for `index`, what the call
// returns and the status it leaves.
struct TextColorChange {
  bool changed = false;       // false: rejected, the text colour stays
  ColorWord text_color = 0;   // the text colour after the call
  std::int16_t previous = 0;  // previous colour's index, -2 when it was RGB
  std::int16_t status = 0;
};
TextColorChange set_text_color_index(ColorWord current, std::int16_t index);

// GETTEXTCOLOR: the index of an index word, the nearest palette entry's
// index for an RGB word.
std::int16_t text_color_index(ColorWord word, const std::vector<Rgb>& palette);

// The 6-bit palette form (components 0-63, red in the low byte) used by the
// non-RGB palette calls. Components above 63 count as 63, so a value out of
// range gives the brightest level rather than wrapping to a dark one.
Rgb from_palette6(std::int32_t color);
std::int32_t to_palette6(Rgb color);

}  // namespace shell
