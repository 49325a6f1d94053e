// The mode numbers SETVIDEOMODE accepts and what each one configures.
#include "shell/graphics/video_modes.h"

#include "shell/graphics/graphics_status.h"

namespace shell {
namespace {

VideoMode text_mode(int columns, int rows) {
  VideoMode m;
  m.kind = VideoModeKind::kText;
  m.columns = columns;
  m.rows = rows;
  return m;
}

VideoMode pixel_mode(int width, int height) {
  VideoMode m;
  m.kind = VideoModeKind::kPixels;
  m.width = width;
  m.height = height;
  return m;
}

}  // namespace

VideoMode video_mode(std::int16_t mode) {
  switch (mode) {
    case 0:
    case 1:
      return text_mode(40, 30);
    case 2:
    case 3:
    case 7:
    case -1:
      return text_mode(80, 30);
    case 4:
    case 5:
    case 13:
    case 19:
      return pixel_mode(320, 200);
    case 6:
    case 14:
      return pixel_mode(640, 200);
    case 8:
      return pixel_mode(720, 348);
    case 15:
    case 16:
      return pixel_mode(640, 350);
    case 17:
    case 18:
    case 257:
      return pixel_mode(640, 480);
    case 64:
    case 256:
      return pixel_mode(640, 400);
    case 258:
    case 259:
      return pixel_mode(800, 600);
    case 260:
    case 261:
      return pixel_mode(1024, 768);
    case 262:
    case 263:
      return pixel_mode(1280, 1024);
    case -2:
    case -3: {
      VideoMode m;
      m.kind = VideoModeKind::kWholeDisplay;
      return m;
    }
    default: {
      VideoMode m;
      m.status = kStatusInvalidParameter;
      return m;
    }
  }
}

}  // namespace shell
