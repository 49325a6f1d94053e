// Recording definitions of the graphics services called by the analysis.
#include "support/recording_graphics.h"

#include <cstdarg>
#include <cstdio>

#include "shell/graphics/graphics_services.h"

namespace testing_support {

std::vector<std::string>& graphics_calls() {
  static std::vector<std::string> calls;
  return calls;
}

namespace {
void record(const char* format, ...) __attribute__((format(printf, 1, 2)));
void record(const char* format, ...) {
  char text[128];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  graphics_calls().emplace_back(text);
}
}  // namespace

}  // namespace testing_support

using testing_support::record;

void SETVIEWPORT(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  record("SETVIEWPORT(%d,%d,%d,%d)", x1, y1, x2, y2);
}
std::int16_t SETWINDOW(std::int32_t invert, double x1, double y1, double x2, double y2) {
  record("SETWINDOW(%d,%g,%g,%g,%g)", invert, x1, y1, x2, y2);
  return 1;
}
std::int32_t SETBKCOLORRGB(std::int32_t color) {
  record("SETBKCOLORRGB(%06X)", static_cast<unsigned>(color));
  return 0;
}
std::int32_t SETTEXTCOLORRGB(std::int32_t color) {
  record("SETTEXTCOLORRGB(%06X)", static_cast<unsigned>(color));
  return 0;
}
void CLEARSCREEN(std::int16_t area) {
  record("CLEARSCREEN(%d)", area);
}
