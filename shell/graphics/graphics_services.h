// The graphics services the program calls on its active child window:
// viewport, window coordinates, colours and clearing. Declared without any
// platform header so that portable code can call them; the windowed shell
// defines them, a program without windows links headless versions.
#pragma once

#include <cstdint>

void SETVIEWPORT(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
std::int16_t SETWINDOW(std::int32_t invert, double x1, double y1, double x2, double y2);
std::int32_t SETBKCOLORRGB(std::int32_t color);
std::int32_t SETTEXTCOLORRGB(std::int32_t color);
void CLEARSCREEN(std::int16_t area);
