// The text services of the calling thread's active window, declared
// without platform headers so that the program can call them. Positions
// pack the row in the low 16 bits and the column in the high 16 bits.
#pragma once

#include <cstdint>

void OUTTEXT(const char* text);
void OUTMEM(const char* bytes, std::int16_t length);
std::int32_t SETTEXTPOSITION(std::int16_t row, std::int16_t column);
std::int32_t GETTEXTPOSITION();
void SETTEXTWINDOW(std::int16_t top, std::int16_t left, std::int16_t bottom, std::int16_t right);
void GETTEXTWINDOW(std::int16_t& top, std::int16_t& left, std::int16_t& bottom,
                   std::int16_t& right);
void SCROLLTEXTWINDOW(std::int16_t lines);
std::int16_t WRAPON(std::int16_t mode);
std::int16_t DISPLAYCURSOR(std::int16_t mode);
std::int16_t SETTEXTCURSOR(std::int16_t shape);
std::int16_t GETTEXTCURSOR();
std::int16_t SETTEXTCOLOR(std::int16_t index);
std::int16_t GETTEXTCOLOR();
