// Taking a rectangle of a window's virtual screen as a bitmap file image:
// GETIMAGE's work on a given window, for the image calls, Save and Print.
#pragma once

#include <cstdint>

namespace shell {

struct ChildRecord;

// The bits per pixel of the images of `r`'s virtual screen.
int image_bits(const ChildRecord& r);

// Fills `buffer` (of IMAGESIZE bytes for the rectangle) with the image of
// the rectangle, in view coordinates; corners out of order are put in
// order with status 3.
void get_image(ChildRecord& r, std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
               void* buffer);

}  // namespace shell
