// Colour words, the default and window palettes, and the colour-service
// conversions: RGB packing, previous and current values, SETTEXTCOLOR's index
// rule, nearest entries and the 6-bit palette form.
#include "shell/graphics/colors.h"

#include <gtest/gtest.h>

#include "shell/graphics/graphics_status.h"

namespace {

using shell::Rgb;

std::int32_t rgb(int r, int g, int b) {
  return shell::rgb_value(Rgb{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)});
}

TEST(RgbPacking, RedInTheLowByteAndOnlyLowBytesCount) {
  struct Case {
    std::int32_t r, g, b, packed;
  } cases[] = {
      {255, 0, 0, 0x0000FF},
      {0, 255, 0, 0x00FF00},
      {0, 0, 255, 0xFF0000},
      {1, 2, 3, 0x030201},
      {256, 0, 0, 0},
      {-1, 0, 0, 0xFF},
      {0x1FF, 0x100, 0x2AB, 0xAB00FF},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shell::rgb_to_integer(c.r, c.g, c.b), c.packed) << c.r << ',' << c.g << ',' << c.b;
  }
  EXPECT_EQ(shell::integer_to_rgb(0x00FF00), (Rgb{0, 255, 0}));
  EXPECT_EQ(shell::integer_to_rgb(0x7F123456), (Rgb{0x56, 0x34, 0x12}));  // high byte ignored
  EXPECT_EQ(shell::integer_to_rgb(-1), (Rgb{255, 255, 255}));
}

TEST(DefaultPalette, CubeAndGreysAfterTheStandardSixteen) {
  Rgb c;
  struct Case {
    int index;
    Rgb color;
  } cases[] = {
      {15, {255, 255, 255}}, {16, {0, 0, 0}},        {17, {0, 0, 51}}, {22, {0, 51, 0}},
      {52, {51, 0, 0}},      {231, {255, 255, 255}}, {232, {8, 8, 8}}, {255, {238, 238, 238}},
  };
  for (const Case& k : cases) {
    ASSERT_TRUE(shell::default_palette_entry(k.index, c)) << k.index;
    EXPECT_EQ(c, k.color) << k.index;
  }
  EXPECT_FALSE(shell::default_palette_entry(-1, c));
  EXPECT_FALSE(shell::default_palette_entry(256, c));
}

TEST(WindowPalette, SizeFollowsTheColourCount) {
  EXPECT_EQ(shell::window_palette(2), (std::vector<Rgb>{{0, 0, 0}, {255, 255, 255}}));
  EXPECT_EQ(shell::window_palette(1), (std::vector<Rgb>{{0, 0, 0}}));
  EXPECT_TRUE(shell::window_palette(0).empty());
  EXPECT_TRUE(shell::window_palette(-1).empty());
  const auto eight = shell::window_palette(8);
  ASSERT_EQ(eight.size(), 8u);
  EXPECT_EQ(eight[7], (Rgb{192, 192, 192}));
  EXPECT_EQ(shell::window_palette(256).size(), 256u);
  EXPECT_EQ(shell::window_palette(100000).size(), 256u);
}

TEST(DefaultGraphicsColor, FifteenOrTheLastEntry) {
  struct Case {
    int colors;
    int index;
  } cases[] = {{256, 15}, {16, 15}, {15, 14}, {8, 7}, {2, 1}, {1, 0}, {0, 0}, {-3, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(shell::default_graphics_color(c.colors), shell::index_word(c.index)) << c.colors;
  }
}

TEST(PreviousColor, RgbMaskedIndexThroughTheDefaultTable) {
  EXPECT_EQ(shell::previous_color_rgb(shell::index_word(0)), 0);
  EXPECT_EQ(shell::previous_color_rgb(shell::index_word(15)), 0xFFFFFF);
  EXPECT_EQ(shell::previous_color_rgb(shell::index_word(12)), 0x0000FF);
  EXPECT_EQ(shell::previous_color_rgb(shell::index_word(135)), rgb(153, 51, 255));
  EXPECT_EQ(shell::previous_color_rgb(shell::index_word(300)), -1);  // no such entry: no wild read
  EXPECT_EQ(shell::previous_color_rgb(shell::rgb_word(0x123456)), 0x123456);
}

TEST(PreviousColor, SetBackgroundTwiceOnANewWindow) {
  shell::ColorWord background = shell::index_word(0);
  EXPECT_EQ(shell::previous_color_rgb(background), 0);
  background = shell::rgb_word(0xFFFFFF);
  EXPECT_EQ(shell::previous_color_rgb(background), 0xFFFFFF);
  // Stray high bits of the caller's value do not leak into the stored word.
  EXPECT_EQ(shell::rgb_word(-1), 0x80FFFFFFu);
}

TEST(CurrentColor, IndexThroughTheWindowsOwnPalette) {
  auto palette = shell::window_palette(16);
  palette[3] = Rgb{1, 2, 3};  // as after a remap
  EXPECT_EQ(shell::current_color_rgb(shell::index_word(3), palette), 0x030201);
  EXPECT_EQ(shell::current_color_rgb(shell::index_word(16), palette), -1);
  EXPECT_EQ(shell::current_color_rgb(shell::rgb_word(0xABCDEF), palette), 0xABCDEF);
  EXPECT_EQ(shell::current_color_rgb(shell::index_word(1), shell::window_palette(2)), 0xFFFFFF);
  EXPECT_EQ(shell::current_color_rgb(shell::index_word(0), {}), -1);
}

TEST(NearestPaletteIndex, ClosestEntryLowestIndexOnTies) {
  const auto sixteen = shell::window_palette(16);
  const auto full = shell::window_palette(256);
  struct Case {
    Rgb color;
    const std::vector<Rgb>* palette;
    int index;
  } cases[] = {
      {{255, 0, 0}, &sixteen, 12},
      {{130, 0, 0}, &sixteen, 4},
      {{200, 200, 200}, &sixteen, 7},
      {{0, 0, 0}, &sixteen, 0},
      {{255, 255, 255}, &sixteen, 15},
      {{255, 0, 0}, &full, 12},  // the cube repeats pure red; the standard entry wins
      {{0, 0, 0}, &full, 0},
      {{51, 102, 153}, &full, 16 + 36 * 1 + 6 * 2 + 3},
      {{9, 9, 9}, &full, 232},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shell::nearest_palette_index(c.color, *c.palette), c.index)
        << int(c.color.red) << ',' << int(c.color.green) << ',' << int(c.color.blue);
  }
  EXPECT_EQ(shell::nearest_palette_index(Rgb{1, 1, 1}, {}), -1);
}

TEST(SetTextColorIndex, RangeModuloAndPrevious) {
  struct Case {
    std::int16_t index;
    bool changed;
    int new_index;
    std::int16_t status;
  } cases[] = {
      {0, true, 0, shell::kStatusOk},
      {15, true, 15, shell::kStatusOk},
      {16, true, 0, shell::kStatusAltered},
      {31, true, 15, shell::kStatusAltered},
      {-1, false, 9, shell::kStatusInvalidParameter},
      {32, false, 9, shell::kStatusInvalidParameter},
      {-32768, false, 9, shell::kStatusInvalidParameter},
  };
  for (const Case& c : cases) {
    const auto change = shell::set_text_color_index(shell::index_word(9), c.index);
    EXPECT_EQ(change.changed, c.changed) << c.index;
    EXPECT_EQ(change.text_color, shell::index_word(c.new_index)) << c.index;
    EXPECT_EQ(change.status, c.status) << c.index;
    EXPECT_EQ(change.previous, 9) << c.index;
  }
  EXPECT_EQ(shell::set_text_color_index(shell::rgb_word(0), 3).previous, -2);
  EXPECT_EQ(shell::set_text_color_index(shell::rgb_word(0), 40).previous, -2);
}

TEST(TextColorIndex, IndexOrNearestEntry) {
  const auto palette = shell::window_palette(16);
  EXPECT_EQ(shell::text_color_index(shell::index_word(11), palette), 11);
  EXPECT_EQ(shell::text_color_index(shell::rgb_word(0x0000FE), palette), 12);
  EXPECT_EQ(shell::text_color_index(shell::rgb_word(0xFFFFFF), palette), 15);
}

TEST(Palette6, ScaledByFourAndClampedAtSixtyThree) {
  EXPECT_EQ(shell::from_palette6(0x3F3F3F), (Rgb{252, 252, 252}));
  EXPECT_EQ(shell::from_palette6(0x030201), (Rgb{4, 8, 12}));
  EXPECT_EQ(shell::from_palette6(0x00FF40), (Rgb{252, 252, 0}));  // no wrap to a dark value
  EXPECT_EQ(shell::to_palette6(Rgb{255, 128, 4}), 0x01203F);
  for (int v = 0; v < 64; ++v) {
    const std::int32_t six = v | (63 - v) << 8 | (v / 2) << 16;
    EXPECT_EQ(shell::to_palette6(shell::from_palette6(six)), six) << v;
  }
}

}  // namespace
