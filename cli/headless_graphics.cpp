// Graphics services for a program without windows: the view preparation
// before a report has nothing to act on, so every call succeeds and does
// nothing.
#include "shell/graphics/graphics_services.h"

void SETVIEWPORT(std::int16_t, std::int16_t, std::int16_t, std::int16_t) {}
std::int16_t SETWINDOW(std::int32_t, double, double, double, double) {
  return 1;
}
std::int32_t SETBKCOLORRGB(std::int32_t) {
  return 0;
}
std::int32_t SETTEXTCOLORRGB(std::int32_t) {
  return 0;
}
void CLEARSCREEN(std::int16_t) {}
