// Checking and completing a window configuration request, and the geometry
// and report of a configured window. The font itself is made by the caller's
// FontMaker, so everything here is plain arithmetic over the record.
#include "shell/frame/window_config.h"

#include <algorithm>
#include <cstring>

#include "shell/frame/config_axis.h"

namespace shell {
namespace {

constexpr char kDefaultFace[] = "Courier New";

std::int16_t clamp16(int value) {
  return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

std::string bounded_text(const char* text, std::size_t size) {
  const void* end = std::memchr(text, '\0', size);
  return std::string(text, end ? static_cast<const char*>(end) - text : size);
}

// A cell packed in a font size field must have both sides in 1..32767; a
// zero side would leave the shell dividing by zero.
bool valid_cell_field(std::int32_t value) {
  if (value == kDeriveValue) return true;
  if (value <= 0) return false;
  const CellSize cell = unpack_cell(value);
  return cell.width >= 1 && cell.height >= 1 && cell.height <= kMaxExtent;
}

// The record is packed, so its fields are read and written by value only:
// a reference to one may be misaligned.
bool valid_size_field(std::int16_t value) {
  return value == kDeriveValue || value > 0;
}

// Field checks before anything is completed; true when something was reset.
bool correct_invalid_fields(WindowConfig& r) {
  bool changed = false;
  const auto check = [&changed](std::int16_t value) -> std::int16_t {
    if (valid_size_field(value)) return value;
    changed = true;
    return kDeriveValue;
  };
  r.numxpixels = check(r.numxpixels);
  r.numypixels = check(r.numypixels);
  r.numtextcols = check(r.numtextcols);
  r.numtextrows = check(r.numtextrows);
  r.numcolors = check(r.numcolors);
  if (r.fontsize != kExtendedFont && !valid_cell_field(r.fontsize)) {
    r.fontsize = kDeriveValue;
    changed = true;
  }
  if (r.fontsize == kExtendedFont) {
    const std::int32_t attributes = r.extendfontattributes;
    if (attributes != kPlainFontAttributes &&
        (attributes < 0 ||
         (attributes & (kBoldAttribute | kUnderlineAttribute | kItalicAttribute)) == 0)) {
      r.extendfontattributes = kPlainFontAttributes;
      changed = true;
    }
    if (!valid_cell_field(r.extendfontsize)) {
      r.extendfontsize = kDeriveValue;
      changed = true;
    }
  }
  return changed;
}

bool complete_colors(WindowConfig& r, const DisplayMetrics& display) {
  const int maximum = std::clamp(display.max_colors, 1, kMaxExtent);
  if (r.numcolors == kDeriveValue) {
    r.numcolors = static_cast<std::int16_t>(maximum);
    return false;
  }
  if (r.numcolors <= maximum) return false;
  r.numcolors = static_cast<std::int16_t>(maximum);
  return true;
}

// A given pixel size below the minimum is raised to it (a correction).
std::int16_t raised_to_minimum(std::int16_t pixels, int minimum, bool& adjusted) {
  minimum = std::min(minimum, kMaxExtent);
  if (pixels == kDeriveValue || pixels >= minimum) return pixels;
  adjusted = true;
  return static_cast<std::int16_t>(minimum);
}

// The cell lives in the font size, or in the extended font size when the
// font size is -2.
CellSize requested_cell(const WindowConfig& r) {
  return unpack_cell(r.fontsize == kExtendedFont ? r.extendfontsize : r.fontsize);
}

void store_cell(WindowConfig& r, CellSize cell) {
  const std::int32_t packed = pack_cell(cell.width, cell.height);
  if (r.fontsize == kExtendedFont) {
    r.extendfontsize = packed;
  } else {
    r.fontsize = packed;
  }
}

// Both directions of the request with what counts as given so far.
struct Directions {
  AxisRequest columns, rows;
};

// Resolves both directions with `cell` and writes counts, pixels and the
// resolved cell back into the record; true when a given value was corrected.
bool resolve_directions(WindowConfig& r, Directions& given, CellSize cell,
                        const DisplayMetrics& display, AxisPass pass) {
  const AxisLimits across{display.default_cell_width, display.screen_width,
                          display.min_window_width};
  // Derived heights are raised like given ones, so that a corrected request
  // handed back is not corrected again for its height.
  const AxisLimits down{display.default_cell_height, display.screen_height,
                        display.min_window_height};
  const AxisResult columns = resolve_axis(given.columns, cell.width, across, pass);
  const AxisResult rows = resolve_axis(given.rows, cell.height, down, pass);
  given = {columns.request, rows.request};
  r.numtextcols = static_cast<std::int16_t>(columns.axis.count);
  r.numxpixels = static_cast<std::int16_t>(columns.axis.pixels);
  r.numtextrows = static_cast<std::int16_t>(rows.axis.count);
  r.numypixels = static_cast<std::int16_t>(rows.axis.pixels);
  store_cell(r, {columns.axis.cell, rows.axis.cell});
  return columns.corrected || rows.corrected;
}

FontRequest font_request(const WindowConfig& r, CellSize cell, const DisplayMetrics& display) {
  FontRequest font{cell.width, cell.height, kDefaultFace,       kWeightDefault,
                   false,      false,       display.double_byte};
  if (r.fontsize == kExtendedFont) {
    const std::int32_t attributes = r.extendfontattributes;
    font.face = extended_font_name(r);
    if (attributes == kPlainFontAttributes) {
      font.weight = kWeightNormal;
    } else {
      if (attributes & kBoldAttribute) font.weight = kWeightBold;
      font.underline = (attributes & kUnderlineAttribute) != 0;
      font.italic = (attributes & kItalicAttribute) != 0;
    }
  } else if (display.double_byte) {
    font.face.clear();  // the code page's own default face
  }
  return font;
}

// A font measured with no width or height (or sizes past 16 bits) cannot give
// a cell; it is treated like a font that could not be measured.
bool usable(const FontMetrics& m) {
  return m.average_width >= 1 && m.average_width <= kMaxExtent && m.height >= 1 &&
         m.height <= kMaxExtent && m.height + m.external_leading >= 1 &&
         m.height + m.external_leading <= kMaxExtent;
}

bool matches(const FontRequest& asked, const FontMetrics& made) {
  return made.average_width >= asked.width - 2 && made.average_width <= asked.width + 1 &&
         made.height >= asked.height - 2 && made.height <= asked.height + 2;
}

void fill_reported_fields(WindowConfig& r, int bits_per_pixel) {
  r.bitsperpixel = clamp16(bits_per_pixel);
  r.numvideopages = 0;
  r.mode = -1;
  r.adapter = 0;
  r.monitor = 0;
  r.memory = 0;
  r.environment = 0;
}

}  // namespace

WindowConfig default_window_config() {
  WindowConfig config{};
  config.numxpixels = config.numypixels = kDeriveValue;
  config.numtextcols = config.numtextrows = kDeriveValue;
  config.numcolors = kDeriveValue;
  config.fontsize = kDeriveValue;
  return config;
}

std::int32_t pack_cell(int width, int height) {
  const std::uint32_t high = static_cast<std::uint32_t>(width) & 0xFFFFu;
  const std::uint32_t low = static_cast<std::uint32_t>(height) & 0xFFFFu;
  return static_cast<std::int32_t>((high << 16) | low);
}

CellSize unpack_cell(std::int32_t font_size) {
  if (font_size <= 0) return {-1, -1};
  const auto bits = static_cast<std::uint32_t>(font_size);
  return {static_cast<int>(bits >> 16), static_cast<int>(bits & 0xFFFFu)};
}

std::string config_title(const WindowConfig& config) {
  return bounded_text(config.title, sizeof config.title);
}

std::string extended_font_name(const WindowConfig& config) {
  return bounded_text(config.extendfontname, sizeof config.extendfontname);
}

void set_config_title(WindowConfig& config, std::string_view title) {
  std::memset(config.title, 0, sizeof config.title);
  std::memcpy(config.title, title.data(), std::min(title.size(), sizeof config.title - 1));
}

DisplayMetrics display_metrics_from(int width, int height, int bits_per_pixel, int planes,
                                    int min_window_width, int min_window_height, bool double_byte) {
  planes = std::max(planes, 1);
  const int bits = std::max(bits_per_pixel, 0) * planes;
  long long colors = bits > 30 ? 0x7FFFFFFFLL : (1LL << bits);
  int reported_bits = bits_per_pixel;
  if (colors > 256) {
    colors = 256;
    reported_bits = 8 / planes;
  }
  DisplayMetrics display{width,         height,           static_cast<int>(colors),
                         reported_bits, min_window_width, min_window_height};
  if (double_byte) {
    display.default_cell_width = 16;
    display.default_cell_height = 32;
    display.double_byte = true;
  }
  return display;
}

ConfigCompletion complete_window_config(WindowConfig& request, const DisplayMetrics& display,
                                        FontMaker& fonts) {
  ConfigCompletion result{ConfigOutcome::kCorrected, {}, {}};
  if (correct_invalid_fields(request)) return result;

  const WindowConfig as_given = request;
  bool adjusted = complete_colors(request, display);
  request.numxpixels = raised_to_minimum(request.numxpixels, display.min_window_width, adjusted);
  request.numypixels = raised_to_minimum(request.numypixels, display.min_window_height, adjusted);

  Directions given{{request.numtextcols, request.numxpixels},
                   {request.numtextrows, request.numypixels}};
  adjusted |=
      resolve_directions(request, given, requested_cell(request), display, AxisPass::kCheck);

  result.font = font_request(request, requested_cell(request), display);
  if (!fonts.make(result.font, result.metrics) || !usable(result.metrics)) {
    request = as_given;
    result.outcome = ConfigOutcome::kFontError;
    return result;
  }

  // The real font decides the cell either way; a font outside the tolerance
  // makes the whole request a correction. A request that stands as asked
  // keeps the counts and pixels the caller gave. A corrected one is made
  // consistent with the real cell, so that calling again with it (with a
  // font maker that gives the same font for its own metrics) is accepted.
  if (!matches(result.font, result.metrics)) adjusted = true;
  const CellSize made{result.metrics.average_width, result.metrics.height};
  fill_reported_fields(request, display.bits_per_pixel);
  adjusted |= resolve_directions(request, given, made, display,
                                 adjusted ? AxisPass::kCheck : AxisPass::kFinal);

  result.outcome = adjusted ? ConfigOutcome::kCorrected : ConfigOutcome::kAccepted;
  return result;
}

AppliedGeometry applied_geometry(const WindowConfig& accepted, const FontMetrics& metrics) {
  AppliedGeometry g{};
  g.cell_width = std::max(metrics.average_width, 1);
  g.cell_height = std::max(metrics.height + metrics.external_leading, 1);
  g.text_columns = std::max<int>(accepted.numxpixels, 0) / g.cell_width;
  g.text_rows = std::max<int>(accepted.numypixels, 0) / g.cell_height;
  return g;
}

void report_window_config(WindowConfig& out, const ConfiguredWindow& window, int bits_per_pixel) {
  out.numxpixels = clamp16(window.pixel_width);
  out.numypixels = clamp16(window.pixel_height);
  out.numtextcols = clamp16(window.geometry.text_columns);
  out.numtextrows = clamp16(window.geometry.text_rows);
  out.numcolors = clamp16(window.colors);
  out.fontsize = pack_cell(window.geometry.cell_width, window.geometry.cell_height);
  set_config_title(out, window.title);
  fill_reported_fields(out, bits_per_pixel);
}

}  // namespace shell
