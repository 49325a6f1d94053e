// Saving a window's virtual screen to a bitmap file, for SAVEIMAGE and the
// File menu's Save, and the image of the whole virtual screen that Save and
// Print take.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace shell {

struct ChildRecord;

// SAVEIMAGE on `r`: 0, or -1 with the graphics status set.
std::int32_t save_image(ChildRecord& r, const std::string& path, std::int16_t x1, std::int16_t y1,
                        std::int16_t x2, std::int16_t y2);

// The image of `r`'s whole virtual screen, whatever its view origin; empty
// when there is no memory for it (`out_of_memory` set) or it could not be
// taken. The clip regions are removed first and selected again before the
// next drawing.
std::vector<std::uint8_t> whole_screen_image(ChildRecord& r, bool& out_of_memory);

}  // namespace shell
