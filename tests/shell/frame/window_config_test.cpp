// The configuration record and the checking and completion of a request,
// against fake font makers: fields reset by the checks, completion from the
// display, the font tolerance, corrections that a second call accepts, and
// fonts that cannot be made or measured.
#include "shell/frame/window_config.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <vector>

namespace {

using shell::ConfigOutcome;
using shell::FontMetrics;
using shell::FontRequest;
using shell::WindowConfig;

// 1280 x 1024 screen, 256 colours at 8 bits, minimum window 112 x 27.
shell::DisplayMetrics test_display() {
  return shell::display_metrics_from(1280, 1024, 8, 1, 112, 27, false);
}

class FakeFonts : public shell::FontMaker {
 public:
  using Answer = std::function<std::optional<FontMetrics>(const FontRequest&)>;
  explicit FakeFonts(Answer answer) : answer_(std::move(answer)) {}

  bool make(const FontRequest& request, FontMetrics& out) override {
    asked.push_back(request);
    const std::optional<FontMetrics> made = answer_(request);
    if (!made) return false;
    out = *made;
    return true;
  }

  std::vector<FontRequest> asked;

 private:
  Answer answer_;
};

// Gives exactly the cell asked for.
FakeFonts exact_fonts() {
  return FakeFonts([](const FontRequest& r) { return FontMetrics{r.width, r.height, 0}; });
}

// Has only two sizes, 7 x 15 and 9 x 18, and gives the nearer one; asked
// for one of them, it gives that one again.
FakeFonts two_size_fonts() {
  return FakeFonts([](const FontRequest& r) {
    return r.width + r.height <= 24 ? FontMetrics{7, 15, 1} : FontMetrics{9, 18, 0};
  });
}

FakeFonts fixed_fonts(FontMetrics metrics) {
  return FakeFonts([metrics](const FontRequest&) { return metrics; });
}

WindowConfig request(int xpixels, int ypixels, int columns, int rows, int colors,
                     std::int32_t fontsize) {
  WindowConfig config = shell::default_window_config();
  config.numxpixels = static_cast<std::int16_t>(xpixels);
  config.numypixels = static_cast<std::int16_t>(ypixels);
  config.numtextcols = static_cast<std::int16_t>(columns);
  config.numtextrows = static_cast<std::int16_t>(rows);
  config.numcolors = static_cast<std::int16_t>(colors);
  config.fontsize = fontsize;
  return config;
}

shell::ConfigOutcome complete(WindowConfig& config, shell::FontMaker& fonts) {
  return shell::complete_window_config(config, test_display(), fonts).outcome;
}

TEST(WindowConfigRecord, DefaultsAndCellPacking) {
  const WindowConfig d = shell::default_window_config();
  EXPECT_EQ(+d.numxpixels, -1);
  EXPECT_EQ(+d.numypixels, -1);
  EXPECT_EQ(+d.numtextcols, -1);
  EXPECT_EQ(+d.numtextrows, -1);
  EXPECT_EQ(+d.numcolors, -1);
  EXPECT_EQ(+d.fontsize, -1);
  EXPECT_EQ(shell::config_title(d), "");

  EXPECT_EQ(shell::pack_cell(8, 16), 0x00080010);
  EXPECT_EQ(shell::unpack_cell(0x00080010).width, 8);
  EXPECT_EQ(shell::unpack_cell(0x00080010).height, 16);
  EXPECT_EQ(shell::unpack_cell(0x7FFF8000).height, 0x8000);  // read as unsigned, then checked
  for (std::int32_t special : {-1, -2, 0}) {
    EXPECT_EQ(shell::unpack_cell(special).width, -1) << special;
    EXPECT_EQ(shell::unpack_cell(special).height, -1) << special;
  }
}

TEST(WindowConfigRecord, TextFieldsAreReadWithinTheirArrays) {
  WindowConfig c = shell::default_window_config();
  std::memset(c.title, 'T', sizeof c.title);  // no terminator at all
  EXPECT_EQ(shell::config_title(c), std::string(80, 'T'));
  std::memset(c.extendfontname, 'F', sizeof c.extendfontname);
  EXPECT_EQ(shell::extended_font_name(c), std::string(32, 'F'));

  shell::set_config_title(c, std::string(100, 'x'));
  EXPECT_EQ(shell::config_title(c), std::string(79, 'x'));
  EXPECT_EQ(c.title[79], '\0');
  shell::set_config_title(c, " ");
  EXPECT_EQ(shell::config_title(c), " ");
}

TEST(DisplayMetrics, ColourCountAndBitsPerPixel) {
  struct Case {
    int bits, planes, colors, reported_bits;
  } cases[] = {
      {1, 1, 2, 1},    {4, 1, 16, 4},   {1, 4, 16, 1},  {8, 1, 256, 8},
      {16, 1, 256, 8}, {32, 1, 256, 8}, {2, 8, 256, 1}, {8, 4, 256, 2},
  };
  for (const Case& c : cases) {
    const auto d = shell::display_metrics_from(800, 600, c.bits, c.planes, 112, 27, false);
    EXPECT_EQ(+d.max_colors, c.colors) << c.bits << "x" << c.planes;
    EXPECT_EQ(+d.bits_per_pixel, c.reported_bits) << c.bits << "x" << c.planes;
  }
  const auto single = shell::display_metrics_from(800, 600, 8, 1, 112, 27, false);
  EXPECT_EQ(single.default_cell_width, 8);
  EXPECT_EQ(single.default_cell_height, 16);
  const auto wide = shell::display_metrics_from(800, 600, 8, 1, 112, 27, true);
  EXPECT_EQ(wide.default_cell_width, 16);
  EXPECT_EQ(wide.default_cell_height, 32);
  EXPECT_TRUE(wide.double_byte);
}

TEST(CheckRequest, InvalidFieldsAreResetAndNothingIsCompleted) {
  struct Case {
    const char* what;
    std::function<void(WindowConfig&)> spoil;
    std::function<bool(const WindowConfig&)> reset;
  } cases[] = {
      {"pixel width 0", [](auto& c) { c.numxpixels = 0; },
       [](const auto& c) { return c.numxpixels == -1; }},
      {"pixel height -7", [](auto& c) { c.numypixels = -7; },
       [](const auto& c) { return c.numypixels == -1; }},
      {"columns 0", [](auto& c) { c.numtextcols = 0; },
       [](const auto& c) { return c.numtextcols == -1; }},
      {"rows -2", [](auto& c) { c.numtextrows = -2; },
       [](const auto& c) { return c.numtextrows == -1; }},
      {"colours 0", [](auto& c) { c.numcolors = 0; },
       [](const auto& c) { return c.numcolors == -1; }},
      {"font size 0", [](auto& c) { c.fontsize = 0; },
       [](const auto& c) { return c.fontsize == -1; }},
      {"font size -3", [](auto& c) { c.fontsize = -3; },
       [](const auto& c) { return c.fontsize == -1; }},
      {"cell of no width", [](auto& c) { c.fontsize = 16; },
       [](const auto& c) { return c.fontsize == -1; }},
      {"cell of no height", [](auto& c) { c.fontsize = shell::pack_cell(8, 0); },
       [](const auto& c) { return c.fontsize == -1; }},
      {"cell height past 16 bits", [](auto& c) { c.fontsize = shell::pack_cell(8, 40000); },
       [](const auto& c) { return c.fontsize == -1; }},
      {"extended, attributes 0",
       [](auto& c) {
         c.fontsize = -2;
         c.extendfontsize = -1;
         c.extendfontattributes = 0;
       },
       [](const auto& c) { return c.extendfontattributes == shell::kPlainFontAttributes; }},
      {"extended, negative attributes",
       [](auto& c) {
         c.fontsize = -2;
         c.extendfontsize = -1;
         c.extendfontattributes = -5;
       },
       [](const auto& c) { return c.extendfontattributes == shell::kPlainFontAttributes; }},
      {"extended, only unknown attribute bits",
       [](auto& c) {
         c.fontsize = -2;
         c.extendfontsize = -1;
         c.extendfontattributes = 8;
       },
       [](const auto& c) { return c.extendfontattributes == shell::kPlainFontAttributes; }},
      {"extended, size 0",
       [](auto& c) {
         c.fontsize = -2;
         c.extendfontsize = 0;
         c.extendfontattributes = 1;
       },
       [](const auto& c) { return c.extendfontsize == -1; }},
      {"extended, size -9",
       [](auto& c) {
         c.fontsize = -2;
         c.extendfontsize = -9;
         c.extendfontattributes = 1;
       },
       [](const auto& c) { return c.extendfontsize == -1; }},
  };
  for (const Case& c : cases) {
    WindowConfig config = request(695, 895, -1, -1, -1, -1);
    c.spoil(config);
    FakeFonts fonts = exact_fonts();
    EXPECT_EQ(complete(config, fonts), ConfigOutcome::kCorrected) << c.what;
    EXPECT_TRUE(c.reset(config)) << c.what;
    EXPECT_TRUE(fonts.asked.empty()) << c.what << ": no font is made for a reset request";
    // The rest is handed back as given, not completed.
    EXPECT_EQ(+config.numcolors, -1) << c.what;
    EXPECT_EQ(+config.numtextcols, -1) << c.what;
  }
}

TEST(CheckRequest, ValidSpecialValuesPass) {
  for (std::int32_t attributes :
       {shell::kPlainFontAttributes, shell::kBoldAttribute,
        shell::kUnderlineAttribute | shell::kItalicAttribute, 0x7FFFFFF1}) {
    WindowConfig config = request(695, 895, -1, -1, -1, shell::kExtendedFont);
    config.extendfontsize = -1;
    config.extendfontattributes = attributes;
    FakeFonts fonts = exact_fonts();
    EXPECT_EQ(complete(config, fonts), ConfigOutcome::kAccepted) << attributes;
    EXPECT_EQ(+config.extendfontattributes, attributes);
  }
}

TEST(CompleteRequest, ProgramWindowIsAcceptedOnTheFirstCall) {
  WindowConfig config = request(695, 895, -1, -1, -1, -1);
  shell::set_config_title(config, " ");
  FakeFonts fonts = exact_fonts();
  const auto done = shell::complete_window_config(config, test_display(), fonts);
  ASSERT_EQ(done.outcome, ConfigOutcome::kAccepted);
  ASSERT_EQ(fonts.asked.size(), 1u);
  EXPECT_EQ(fonts.asked[0].width, 8);
  EXPECT_EQ(fonts.asked[0].height, 16);
  EXPECT_EQ(fonts.asked[0].face, "Courier New");
  EXPECT_EQ(fonts.asked[0].weight, shell::kWeightDefault);
  EXPECT_EQ(+config.numxpixels, 695);
  EXPECT_EQ(+config.numypixels, 895);
  EXPECT_EQ(+config.numtextcols, 86);
  EXPECT_EQ(+config.numtextrows, 55);
  EXPECT_EQ(+config.numcolors, 256);
  EXPECT_EQ(+config.fontsize, shell::pack_cell(8, 16));
  EXPECT_EQ(+config.bitsperpixel, 8);
  EXPECT_EQ(+config.numvideopages, 0);
  EXPECT_EQ(+config.mode, -1);
  EXPECT_EQ(+config.environment, 0);
  EXPECT_EQ(shell::config_title(config), " ");
}

TEST(CompleteRequest, FontWithinToleranceIsUsedWithItsRealCell) {
  // Asked 8 x 16; 7 x 17 with one pixel of leading lies within w-2..w+1, h-2..h+2.
  WindowConfig config = request(695, 895, -1, -1, -1, -1);
  FakeFonts fonts = fixed_fonts({7, 17, 1});
  const auto done = shell::complete_window_config(config, test_display(), fonts);
  ASSERT_EQ(done.outcome, ConfigOutcome::kAccepted);
  EXPECT_EQ(+config.fontsize, shell::pack_cell(7, 17));
  EXPECT_EQ(+config.numtextcols, 695 / 7);
  EXPECT_EQ(+config.numtextrows, 895 / 17);

  const shell::AppliedGeometry g = shell::applied_geometry(config, done.metrics);
  EXPECT_EQ(g.cell_width, 7);
  EXPECT_EQ(g.cell_height, 18);
  EXPECT_EQ(g.text_columns, 695 / 7);
  EXPECT_EQ(g.text_rows, 895 / 18);
}

TEST(CompleteRequest, ToleranceEdges) {
  struct Case {
    int width, height;
    bool matches;
  } cases[] = {
      {6, 16, true}, {9, 16, true}, {5, 16, false}, {10, 16, false},
      {8, 14, true}, {8, 18, true}, {8, 13, false}, {8, 19, false},
  };
  for (const Case& c : cases) {
    WindowConfig config = request(695, 895, -1, -1, -1, shell::pack_cell(8, 16));
    FakeFonts fonts = fixed_fonts({c.width, c.height, 0});
    const auto outcome = complete(config, fonts);
    EXPECT_EQ(outcome == ConfigOutcome::kAccepted, c.matches) << c.width << "x" << c.height;
    EXPECT_EQ(+config.fontsize, shell::pack_cell(c.width, c.height));
  }
}

TEST(CompleteRequest, GivenFontCorrectsTheColumnsAndTheSecondCallAccepts) {
  for (auto make_fonts : {exact_fonts, two_size_fonts}) {
    FakeFonts fonts = make_fonts();
    WindowConfig config = request(700, -1, 80, -1, -1, shell::pack_cell(8, 16));
    ASSERT_EQ(complete(config, fonts), ConfigOutcome::kCorrected);
    const shell::CellSize cell = shell::unpack_cell(config.fontsize);
    EXPECT_EQ(+config.numtextcols, 700 / cell.width);
    EXPECT_EQ(+config.numxpixels, 700);
    EXPECT_EQ(complete(config, fonts), ConfigOutcome::kAccepted);
  }
  FakeFonts fonts = exact_fonts();
  WindowConfig config = request(700, -1, 80, -1, -1, shell::pack_cell(8, 16));
  complete(config, fonts);
  EXPECT_EQ(+config.numtextcols, 87);
}

TEST(CompleteRequest, DefaultFontKeepsGivenColumnsAndDerivesTheCell) {
  WindowConfig config = request(700, -1, 80, -1, -1, -1);
  FakeFonts fonts = exact_fonts();
  ASSERT_EQ(complete(config, fonts), ConfigOutcome::kAccepted);
  EXPECT_EQ(fonts.asked.at(0).width, 8);
  EXPECT_EQ(+config.numtextcols, 80);
  EXPECT_EQ(shell::unpack_cell(config.fontsize).width, 8);
}

TEST(CompleteRequest, ColoursAndPixelSizesAgainstTheDisplay) {
  struct Case {
    int colors, xpixels, ypixels;
    ConfigOutcome outcome;
    int want_colors, want_x, want_y;
  } cases[] = {
      {1000, 695, 895, ConfigOutcome::kCorrected, 256, 695, 895},
      {257, 695, 895, ConfigOutcome::kCorrected, 256, 695, 895},
      {256, 695, 895, ConfigOutcome::kAccepted, 256, 695, 895},
      {16, 695, 895, ConfigOutcome::kAccepted, 16, 695, 895},
      {-1, 50, 895, ConfigOutcome::kCorrected, 256, 112, 895},
      {-1, 695, 20, ConfigOutcome::kCorrected, 256, 695, 27},
  };
  for (const Case& c : cases) {
    WindowConfig config = request(c.xpixels, c.ypixels, -1, -1, c.colors, -1);
    FakeFonts fonts = exact_fonts();
    EXPECT_EQ(complete(config, fonts), c.outcome) << c.colors << " " << c.xpixels;
    EXPECT_EQ(+config.numcolors, c.want_colors);
    EXPECT_EQ(+config.numxpixels, c.want_x);
    EXPECT_EQ(+config.numypixels, c.want_y);
  }
}

TEST(CompleteRequest, AllDerivedFillsTheScreenInWholeCells) {
  const auto display = shell::display_metrics_from(1366, 768, 8, 1, 112, 27, false);
  {
    WindowConfig config = shell::default_window_config();
    FakeFonts fonts = exact_fonts();
    ASSERT_EQ(shell::complete_window_config(config, display, fonts).outcome,
              ConfigOutcome::kAccepted);
    EXPECT_EQ(+config.numtextcols, 170);
    EXPECT_EQ(+config.numxpixels, 1360);
    EXPECT_EQ(+config.numtextrows, 48);
    EXPECT_EQ(+config.numypixels, 768);
  }
  {
    // The real cell decides the rounding.
    WindowConfig config = shell::default_window_config();
    FakeFonts fonts = two_size_fonts();
    ASSERT_EQ(shell::complete_window_config(config, display, fonts).outcome,
              ConfigOutcome::kAccepted);
    EXPECT_EQ(+config.numxpixels, 1366 / 7 * 7);
    EXPECT_EQ(+config.numypixels, 768 / 15 * 15);
  }
}

TEST(CompleteRequest, DerivedHeightIsRaisedToTheMinimumLikeAGivenOne) {
  WindowConfig config = request(695, -1, -1, 1, -1, -1);
  FakeFonts fonts = exact_fonts();
  ASSERT_EQ(complete(config, fonts), ConfigOutcome::kAccepted);
  EXPECT_EQ(+config.numtextrows, 1);
  EXPECT_EQ(+config.numypixels, 27);
  EXPECT_EQ(complete(config, fonts), ConfigOutcome::kAccepted);
}

TEST(CompleteRequest, FontOutsideToleranceCorrectsToItsMetrics) {
  WindowConfig config = request(695, 895, -1, -1, -1, -1);
  FakeFonts fonts = fixed_fonts({10, 20, 2});
  ASSERT_EQ(complete(config, fonts), ConfigOutcome::kCorrected);
  EXPECT_EQ(+config.fontsize, shell::pack_cell(10, 20));
  EXPECT_EQ(+config.numtextcols, 69);
  EXPECT_EQ(+config.numtextrows, 44);
  EXPECT_EQ(+config.numxpixels, 695);
  EXPECT_EQ(complete(config, fonts), ConfigOutcome::kAccepted);
  EXPECT_EQ(fonts.asked.size(), 2u);
}

TEST(CompleteRequest, FontThatCannotBeUsedFailsAndLeavesTheRequest) {
  FakeFonts failing([](const FontRequest&) { return std::nullopt; });
  FakeFonts no_width = fixed_fonts({0, 16, 0});
  FakeFonts no_height = fixed_fonts({8, 0, 0});
  FakeFonts negative_leading = fixed_fonts({8, 16, -16});
  FakeFonts huge = fixed_fonts({8, 40000, 0});
  for (FakeFonts* fonts : {&failing, &no_width, &no_height, &negative_leading, &huge}) {
    WindowConfig config = request(695, 895, -1, -1, -1, -1);
    const WindowConfig before = config;
    EXPECT_EQ(complete(config, *fonts), ConfigOutcome::kFontError);
    EXPECT_EQ(std::memcmp(&config, &before, sizeof config), 0);
    EXPECT_EQ(fonts->asked.size(), 1u);
  }
}

TEST(CompleteRequest, ExtendedFontFields) {
  WindowConfig config = request(695, 895, -1, -1, -1, shell::kExtendedFont);
  std::strcpy(config.extendfontname, "Lucida Console");
  config.extendfontsize = shell::pack_cell(9, 18);
  config.extendfontattributes = shell::kBoldAttribute | shell::kItalicAttribute;
  FakeFonts fonts = exact_fonts();
  ASSERT_EQ(complete(config, fonts), ConfigOutcome::kAccepted);
  const FontRequest& asked = fonts.asked.at(0);
  EXPECT_EQ(asked.face, "Lucida Console");
  EXPECT_EQ(asked.weight, shell::kWeightBold);
  EXPECT_TRUE(asked.italic);
  EXPECT_FALSE(asked.underline);
  EXPECT_EQ(asked.width, 9);
  EXPECT_EQ(asked.height, 18);
  EXPECT_EQ(+config.fontsize, shell::kExtendedFont);
  EXPECT_EQ(+config.extendfontsize, shell::pack_cell(9, 18));
  EXPECT_EQ(+config.numtextcols, 695 / 9);

  struct Case {
    std::int32_t attributes;
    int weight;
    bool underline;
  } cases[] = {
      {shell::kPlainFontAttributes, shell::kWeightNormal, false},
      {shell::kUnderlineAttribute, shell::kWeightDefault, true},
  };
  for (const Case& c : cases) {
    WindowConfig other = request(695, 895, -1, -1, -1, shell::kExtendedFont);
    other.extendfontsize = -1;
    other.extendfontattributes = c.attributes;
    FakeFonts more = exact_fonts();
    complete(other, more);
    EXPECT_EQ(more.asked.at(0).weight, c.weight);
    EXPECT_EQ(more.asked.at(0).underline, c.underline);
    EXPECT_EQ(+other.extendfontsize, shell::pack_cell(8, 16));
  }
}

TEST(CompleteRequest, DoubleByteModeUsesTheCodePageFontAndLargerCell) {
  const auto display = shell::display_metrics_from(1280, 1024, 8, 1, 112, 27, true);
  WindowConfig config = request(695, 895, -1, -1, -1, -1);
  FakeFonts fonts = exact_fonts();
  ASSERT_EQ(shell::complete_window_config(config, display, fonts).outcome,
            ConfigOutcome::kAccepted);
  EXPECT_EQ(fonts.asked.at(0).face, "");
  EXPECT_TRUE(fonts.asked.at(0).double_byte);
  EXPECT_EQ(+config.numtextcols, 695 / 16);
  EXPECT_EQ(+config.numtextrows, 895 / 32);
}

// Whatever is asked, one call either accepts, or corrects to a request that
// the next call accepts, with a font maker that is stable for its own sizes.
TEST(CompleteRequest, EveryCorrectionIsAcceptedOnTheSecondCall) {
  const int pixels[] = {-1, 50, 150, 695, 700, 32767};
  const int counts[] = {-1, 1, 80, 200, 5000};
  const std::int32_t fonts_asked[] = {-1, shell::pack_cell(8, 16), shell::pack_cell(12, 24),
                                      shell::pack_cell(1, 1), shell::pack_cell(300, 600)};
  for (int px : pixels) {
    for (int count : counts) {
      for (std::int32_t font : fonts_asked) {
        SCOPED_TRACE(testing::Message() << px << " " << count << " " << std::hex << font);
        WindowConfig config = request(px, px, count, count, -1, font);
        FakeFonts fonts = two_size_fonts();
        if (complete(config, fonts) == ConfigOutcome::kCorrected) {
          EXPECT_EQ(complete(config, fonts), ConfigOutcome::kAccepted);
        }
        EXPECT_GE(config.numtextcols, 1);
        EXPECT_GE(config.numtextrows, 1);
        EXPECT_GE(config.numxpixels, 112);
        EXPECT_GE(config.numypixels, 1);
      }
    }
  }
}

TEST(AppliedGeometry, CellsFromTheFontAndNeverZero) {
  WindowConfig config = request(695, 895, 86, 55, 256, shell::pack_cell(8, 16));
  const auto g = shell::applied_geometry(config, {8, 14, 2});
  EXPECT_EQ(g.cell_width, 8);
  EXPECT_EQ(g.cell_height, 16);
  EXPECT_EQ(g.text_columns, 86);
  EXPECT_EQ(g.text_rows, 55);
  const auto broken = shell::applied_geometry(config, {0, 0, 0});
  EXPECT_EQ(broken.cell_width, 1);
  EXPECT_EQ(broken.cell_height, 1);
  EXPECT_EQ(broken.text_columns, 695);
}

TEST(ReportWindowConfig, FillsFromTheWindowAndKeepsTheExtendedFields) {
  WindowConfig out{};
  std::memset(&out, 0x55, sizeof out);
  out.extendfontsize = 1234;
  const shell::ConfiguredWindow window{695, 895, 256, {7, 18, 99, 49}, "Report"};
  shell::report_window_config(out, window, 8);
  EXPECT_EQ(+out.numxpixels, 695);
  EXPECT_EQ(+out.numypixels, 895);
  EXPECT_EQ(+out.numtextcols, 99);
  EXPECT_EQ(+out.numtextrows, 49);
  EXPECT_EQ(+out.numcolors, 256);
  EXPECT_EQ(+out.fontsize, shell::pack_cell(7, 18));
  EXPECT_EQ(shell::config_title(out), "Report");
  EXPECT_EQ(+out.bitsperpixel, 8);
  EXPECT_EQ(+out.numvideopages, 0);
  EXPECT_EQ(+out.mode, -1);
  EXPECT_EQ(+out.adapter, 0);
  EXPECT_EQ(+out.monitor, 0);
  EXPECT_EQ(+out.memory, 0);
  EXPECT_EQ(+out.environment, 0);
  EXPECT_EQ(+out.extendfontsize, 1234);
  EXPECT_EQ(+out.extendfontname[0], 0x55);
}

}  // namespace
