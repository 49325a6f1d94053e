// The program's calls for bitmap files: SAVEIMAGE writes a rectangle of the
// active window to a .bmp file, LOADIMAGE draws a .bmp file into it. The
// file name comes with its length; trailing blanks are not part of it.
// Both return 0 on success and -1 on failure, with the reason in the
// graphics status. Declared without platform headers.
#pragma once

#include <cstdint>

std::int32_t SAVEIMAGE(const char* file, std::int32_t file_length, std::int16_t x1, std::int16_t y1,
                       std::int16_t x2, std::int16_t y2);
std::int32_t SAVEIMAGE_W(const char* file, std::int32_t file_length, double wx1, double wy1,
                         double wx2, double wy2);
std::int32_t LOADIMAGE(const char* file, std::int32_t file_length, std::int16_t x, std::int16_t y);
std::int32_t LOADIMAGE_W(const char* file, std::int32_t file_length, double wx, double wy);
