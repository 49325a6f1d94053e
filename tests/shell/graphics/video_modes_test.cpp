// SETVIDEOMODE's mode numbers and what each configures.
#include "shell/graphics/video_modes.h"

#include <gtest/gtest.h>

#include "shell/graphics/graphics_status.h"

namespace {

using shell::VideoModeKind;

TEST(VideoMode, EveryNumberInTheTable) {
  struct Case {
    std::int16_t mode;
    VideoModeKind kind;
    int a, b;  // columns x rows or width x height
  } cases[] = {
      {0, VideoModeKind::kText, 40, 30},         {1, VideoModeKind::kText, 40, 30},
      {2, VideoModeKind::kText, 80, 30},         {3, VideoModeKind::kText, 80, 30},
      {7, VideoModeKind::kText, 80, 30},         {-1, VideoModeKind::kText, 80, 30},
      {4, VideoModeKind::kPixels, 320, 200},     {5, VideoModeKind::kPixels, 320, 200},
      {13, VideoModeKind::kPixels, 320, 200},    {19, VideoModeKind::kPixels, 320, 200},
      {6, VideoModeKind::kPixels, 640, 200},     {14, VideoModeKind::kPixels, 640, 200},
      {8, VideoModeKind::kPixels, 720, 348},     {15, VideoModeKind::kPixels, 640, 350},
      {16, VideoModeKind::kPixels, 640, 350},    {17, VideoModeKind::kPixels, 640, 480},
      {18, VideoModeKind::kPixels, 640, 480},    {257, VideoModeKind::kPixels, 640, 480},
      {64, VideoModeKind::kPixels, 640, 400},    {256, VideoModeKind::kPixels, 640, 400},
      {258, VideoModeKind::kPixels, 800, 600},   {259, VideoModeKind::kPixels, 800, 600},
      {260, VideoModeKind::kPixels, 1024, 768},  {261, VideoModeKind::kPixels, 1024, 768},
      {262, VideoModeKind::kPixels, 1280, 1024}, {263, VideoModeKind::kPixels, 1280, 1024},
      {-2, VideoModeKind::kWholeDisplay, 0, 0},  {-3, VideoModeKind::kWholeDisplay, 0, 0},
  };
  for (const Case& c : cases) {
    const auto m = shell::video_mode(c.mode);
    EXPECT_EQ(m.kind, c.kind) << c.mode;
    EXPECT_EQ(m.status, shell::kStatusOk) << c.mode;
    if (c.kind == VideoModeKind::kText) {
      EXPECT_EQ(m.columns, c.a) << c.mode;
      EXPECT_EQ(m.rows, c.b) << c.mode;
    } else if (c.kind == VideoModeKind::kPixels) {
      EXPECT_EQ(m.width, c.a) << c.mode;
      EXPECT_EQ(m.height, c.b) << c.mode;
    }
  }
}

TEST(VideoMode, NumbersOutsideTheTableAreInvalid) {
  for (std::int16_t mode : {9, 10, 11, 12, 20, 63, 65, 255, 264, -4, 32767, -32768}) {
    const auto m = shell::video_mode(mode);
    EXPECT_EQ(m.kind, VideoModeKind::kInvalid) << mode;
    EXPECT_EQ(m.status, shell::kStatusInvalidParameter) << mode;
  }
}

}  // namespace
