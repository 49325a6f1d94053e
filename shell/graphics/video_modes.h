// SETVIDEOMODE's table of mode numbers: each names either a text layout
// (columns x rows on the default pixel size), a pixel size, or the size of
// the whole display.
#pragma once

#include <cstdint>

#include "shell/graphics/graphics_state.h"

namespace shell {

enum class VideoModeKind {
  kInvalid,       // not in the table: status -4, SETVIDEOMODE returns 0
  kText,          // columns x rows, pixel size left to the default
  kPixels,        // width x height pixels
  kWholeDisplay,  // the display's width and height, which the caller knows
};

struct VideoMode {
  VideoModeKind kind = VideoModeKind::kInvalid;
  int width = 0, height = 0;  // kPixels
  int columns = 0, rows = 0;  // kText
  GraphicsStatus status = 0;
};

VideoMode video_mode(std::int16_t mode);

}  // namespace shell
