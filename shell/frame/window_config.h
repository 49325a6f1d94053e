// The window configuration record that SETWINDOWCONFIG and GETWINDOWCONFIG
// exchange with the program, and the window-free part of configuring a child
// window: checking a request, completing it from the display and from the
// font actually made, and the text geometry that the accepted request gives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace shell {

#pragma pack(push, 1)
struct WindowConfig {
  std::int16_t numxpixels, numypixels, numtextcols, numtextrows, numcolors;
  std::int32_t
      fontsize;  // cell width high 16 bits, height low 16; -1 default cell; -2 extended font fields
  char title[80];  // zero-terminated; empty keeps the current caption
  std::int16_t bitsperpixel, numvideopages, mode, adapter, monitor, memory, environment;
  char extendfontname[32];            // zero-terminated face name, used with fontsize -2
  std::int32_t extendfontsize;        // as fontsize, used with fontsize -2
  std::int32_t extendfontattributes;  // bit0 bold, bit1 underline, bit2 italic; 0x80000000 plain
                                      // normal weight
};
#pragma pack(pop)

static_assert(sizeof(WindowConfig) == 148, "the program and the shell share this layout");
static_assert(offsetof(WindowConfig, fontsize) == 10);
static_assert(offsetof(WindowConfig, title) == 14);
static_assert(offsetof(WindowConfig, bitsperpixel) == 94);
static_assert(offsetof(WindowConfig, environment) == 106);
static_assert(offsetof(WindowConfig, extendfontname) == 108);
static_assert(offsetof(WindowConfig, extendfontsize) == 140);
static_assert(offsetof(WindowConfig, extendfontattributes) == 144);

inline constexpr std::int32_t kDeriveValue = -1;   // any size field: let the shell choose
inline constexpr std::int32_t kExtendedFont = -2;  // fontsize: take the extended font fields
inline constexpr std::int32_t kPlainFontAttributes = INT32_MIN;
inline constexpr std::int32_t kBoldAttribute = 1;
inline constexpr std::int32_t kUnderlineAttribute = 2;
inline constexpr std::int32_t kItalicAttribute = 4;
// Pixel sizes, counts and cell sides all travel in 16-bit fields.
inline constexpr int kMaxExtent = 32767;

// All of pixels, text rows and columns, colours and font size -1, empty
// title; the remaining fields 0.
WindowConfig default_window_config();

// A character cell as packed into a font size field.
struct CellSize {
  int width, height;
};
std::int32_t pack_cell(int width, int height);
// -1 and -2 (and anything not positive) give (-1, -1).
CellSize unpack_cell(std::int32_t font_size);

// The title and face name read up to their terminator or the end of the
// array, so an unterminated field is never read past.
std::string config_title(const WindowConfig& config);
std::string extended_font_name(const WindowConfig& config);
// Stores at most 79 characters and a terminator; the rest is zero-filled.
void set_config_title(WindowConfig& config, std::string_view title);

// Display values taken once at start-up.
struct DisplayMetrics {
  int screen_width, screen_height;
  int max_colors;
  int bits_per_pixel;
  int min_window_width, min_window_height;
  int default_cell_width = 8, default_cell_height = 16;
  bool double_byte = false;
};
// Colour count 2^(bits x planes) (0x7FFFFFFF beyond 30 bits), cut to 256, in
// which case bits per pixel becomes 8 / planes. The default cell is 8 x 16,
// or 16 x 32 in double-byte mode.
DisplayMetrics display_metrics_from(int width, int height, int bits_per_pixel, int planes,
                                    int min_window_width, int min_window_height, bool double_byte);

inline constexpr int kWeightDefault = 0;
inline constexpr int kWeightNormal = 400;
inline constexpr int kWeightBold = 700;

// The font asked of the platform: fixed pitch, modern family. `face` is
// "Courier New" unless the extended font fields are used; in double-byte mode
// it is empty, meaning the code page's default face, and `double_byte` asks
// for the code page's character set instead of ANSI.
struct FontRequest {
  int width, height;
  std::string face;
  int weight;
  bool underline, italic;
  bool double_byte = false;
};
struct FontMetrics {
  int average_width;
  int height;
  int external_leading;
};
class FontMaker {
 public:
  virtual ~FontMaker() = default;
  // Makes the font and measures it; false when it cannot be made or measured.
  // The glue keeps the font made last: it is the one to apply when the
  // completion is accepted, and is discarded otherwise.
  virtual bool make(const FontRequest& request, FontMetrics& out) = 0;
};

enum class ConfigOutcome { kAccepted, kCorrected, kFontError };
struct ConfigCompletion {
  ConfigOutcome outcome;
  FontRequest font;     // what was asked of the font maker
  FontMetrics metrics;  // what it made
};

// Checks the request's fields and completes it from the display's values and
// the font made for it (at most one call of `fonts.make`). `request` is
// updated in place: kAccepted leaves the completed request, ready to apply;
// kCorrected leaves the values the shell can meet, which a second call
// accepts; kFontError (font not made, or measured as unusable) leaves the
// request as it came. Whether the calling thread has an active window is the
// caller's check.
ConfigCompletion complete_window_config(WindowConfig& request, const DisplayMetrics& display,
                                        FontMaker& fonts);

// The text geometry applied with an accepted request: the cell is the font's
// average width by its height plus external leading; columns and rows are
// the pixel sizes divided by the cell.
struct AppliedGeometry {
  int cell_width, cell_height, text_columns, text_rows;
};
AppliedGeometry applied_geometry(const WindowConfig& accepted, const FontMetrics& metrics);

// What GETWINDOWCONFIG reports for a configured window: sizes, colours, the
// cell as font size, the title and the fixed reported-only values. The
// extended font fields are left as they were.
struct ConfiguredWindow {
  int pixel_width, pixel_height, colors;
  AppliedGeometry geometry;
  std::string_view title;
};
void report_window_config(WindowConfig& out, const ConfiguredWindow& window, int bits_per_pixel);

}  // namespace shell
