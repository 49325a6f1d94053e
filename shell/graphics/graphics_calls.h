// The further graphics calls of the shell on the active window: view and
// window coordinates, pixels, the video mode, palette remaps and images in
// the bitmap file format. Declared without platform headers.
#pragma once

#include <cstdint>

#include "shell/graphics/coordinates.h"

void SETCLIPRGN(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
shell::XyPair SETVIEWORG(std::int16_t x, std::int16_t y);
shell::XyPair GETVIEWCOORD(std::int16_t x, std::int16_t y);
shell::XyPair GETPHYSCOORD(std::int16_t x, std::int16_t y);
shell::XyPair GETVIEWCOORD_W(double wx, double wy);
shell::WindowPair GETWINDOWCOORD(std::int16_t x, std::int16_t y);
shell::XyPair GETCURRENTPOSITION();
shell::WindowPair GETCURRENTPOSITION_W();

std::int32_t SETCOLORRGB(std::int32_t color);
std::int32_t GETCOLORRGB();
std::int32_t GETTEXTCOLORRGB();
std::int32_t GETBKCOLORRGB();
std::int32_t RGBTOINTEGER(std::int32_t red, std::int32_t green, std::int32_t blue);
void INTEGERTORGB(std::int32_t color, std::int32_t& red, std::int32_t& green, std::int32_t& blue);

std::int32_t GETPIXELRGB(std::int16_t x, std::int16_t y);
std::int32_t GETPIXELRGB_W(double wx, double wy);
std::int32_t SETPIXELRGB(std::int16_t x, std::int16_t y, std::int32_t color);
std::int32_t SETPIXELRGB_W(double wx, double wy, std::int32_t color);
void GETPIXELSRGB(std::int32_t n, const std::int16_t* xs, const std::int16_t* ys,
                  std::int32_t* colors);
void SETPIXELSRGB(std::int32_t n, const std::int16_t* xs, const std::int16_t* ys,
                  const std::int32_t* colors);

std::int16_t SETVIDEOMODE(std::int16_t mode);
std::int32_t REMAPPALETTERGB(std::int32_t index, std::int32_t color);
std::int32_t REMAPPALETTE(std::int32_t index, std::int32_t color);
std::int16_t REMAPALLPALETTERGB(const std::int32_t* colors);
std::int16_t REMAPALLPALETTE(const std::int32_t* colors);
std::int16_t SELECTPALETTE(std::int16_t number);

std::int32_t IMAGESIZE(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
std::int32_t IMAGESIZE_W(double wx1, double wy1, double wx2, double wy2);
void GETIMAGE(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, void* buffer);
void GETIMAGE_W(double wx1, double wy1, double wx2, double wy2, void* buffer);
void PUTIMAGE(std::int16_t x, std::int16_t y, const void* buffer, std::int16_t action);
void PUTIMAGE_W(double wx, double wy, const void* buffer, std::int16_t action);
