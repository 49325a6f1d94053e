// SETWINDOWCONFIG, GETWINDOWCONFIG and the default configuration. The
// bitmap, font and text state are rebuilt under the window's drawing lock;
// showing, activating and sizing the window run on the GUI thread through a
// sent message, with no lock held.
#include "shell/frame/window_config_win.h"

#include <windows.h>

#include "shell/child/child_record_win.h"
#include "shell/child/child_window_win.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/frame/window_services.h"
#include "shell/graphics/graphics_status.h"
#include "shell/graphics/palette_win.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/window_table_win.h"

namespace shell {
namespace {

// Makes fonts with GDI and keeps the last one made.
class GdiFontMaker : public FontMaker {
 public:
  bool make(const FontRequest& r, FontMetrics& out) override {
    font_.reset(CreateFontA(r.height, r.width, 0, 0, r.weight, r.italic ? TRUE : FALSE,
                            r.underline ? TRUE : FALSE, FALSE,
                            r.double_byte ? DEFAULT_CHARSET : ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                            r.face.empty() ? nullptr : r.face.c_str()));
    if (!font_) return false;
    // Measured in a memory context, which has the screen's resolution:
    // the screen's own context costs a trip to the server under Wine.
    MemoryDc dc(nullptr);
    if (dc.get() == nullptr) return false;
    Selected keep(dc.get(), font_.get());
    TEXTMETRICA tm;
    if (!GetTextMetricsA(dc.get(), &tm)) return false;
    out.average_width = tm.tmAveCharWidth;
    out.height = tm.tmHeight;
    out.external_leading = tm.tmExternalLeading;
    return true;
  }
  Font take() { return std::move(font_); }

 private:
  Font font_;
};

DisplayMetrics display_metrics() {
  const ShellState& s = shell_state();
  return display_metrics_from(s.display.width, s.display.height, s.display.bits_per_pixel,
                              s.display.planes, GetSystemMetrics(SM_CXMIN),
                              GetSystemMetrics(SM_CYMIN), s.double_byte);
}

// The virtual screen: a 32-bit device-independent bitmap, made without
// touching the window's own context (which the GUI thread may be using).
HBITMAP make_screen_bitmap(int width, int height) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
}

// Fills a new virtual screen with palette entry 0. The system hands out a
// new device-independent bitmap with every bit zero, which is black: it is
// filled only for another colour (filling a screen-sized bitmap touches
// every page of it, milliseconds at start-up).
void fill_new_screen(ChildRecord& r, int width, int height) {
  const COLORREF background = colorref(r, index_word(0));
  if (background == RGB(0, 0, 0)) return;
  RECT all = {0, 0, width, height};
  Brush brush(CreateSolidBrush(background));
  FillRect(r.memory_dc.get(), &all, brush.get());
}

// Rebuilds the virtual screen and the text state for an accepted request.
bool rebuild_screen(ChildRecord& r, const WindowConfig& c, Font font, const FontMetrics& metrics) {
  Locked draw(r.drawing_lock);
  const int width = c.numxpixels;
  const int height = c.numypixels;
  Bitmap bitmap(make_screen_bitmap(width, height));
  if (!bitmap || !build_palette(r, c.numcolors)) {
    return false;
  }
  SelectObject(r.window_dc, font.get());
  SelectObject(r.memory_dc.get(), font.get());
  r.font = std::move(font);
  HGDIOBJ previous = SelectObject(r.memory_dc.get(), bitmap.get());
  if (r.memory_dc_default_bitmap == nullptr) r.memory_dc_default_bitmap = previous;
  r.bitmap = std::move(bitmap);
  r.screen_width = width;
  r.screen_height = height;
  const AppliedGeometry g = applied_geometry(c, metrics);
  r.cell_width = g.cell_width;
  r.font_width = metrics.average_width;
  r.cell_height = g.cell_height;
  r.text_columns = g.text_columns;
  r.text_rows = g.text_rows;
  reset_graphics_state(r.graphics, width, height, c.numcolors);
  SelectClipRgn(r.memory_dc.get(), nullptr);
  SelectClipRgn(r.window_dc, nullptr);
  fill_new_screen(r, width, height);
  SetBkMode(r.memory_dc.get(), OPAQUE);
  SetBkMode(r.window_dc, OPAQUE);
  r.text_position = TextPosition{};
  r.text_window = TextWindow{1, 1, r.text_rows, r.text_columns};
  r.text_buffer.clear();
  r.cursor_on = 0;
  r.configured = true;
  if (r.target == r.hwnd) {
    RECT client;
    GetClientRect(r.hwnd, &client);
    r.target_width = client.right;
    r.target_height = client.bottom;
  }
  GdiFlush();
  return true;
}

// Applies an accepted request to the window; false (error box 5) on failure.
bool apply_configuration(ChildRecord& r, const WindowConfig& c, Font font,
                         const FontMetrics& metrics) {
  const bool first_time = !r.shown;
  if (!rebuild_screen(r, c, std::move(font), metrics)) {
    error_box(kErrorUnexpected, __FILE__, __LINE__);
    return false;
  }
  const std::string title = config_title(c);
  if (!title.empty()) {
    r.title = title;
    SetWindowTextA(r.hwnd, title.c_str());
  }
  r.shown = true;
  SendMessageA(r.hwnd, kApplyShape, first_time ? 1 : 0, 0);
  PostMessageA(r.hwnd, kRepaintRequest, 0, 0);
  return true;
}

// Completes and applies `request` on `r`; true when it was applied.
bool configure(ChildRecord& r, WindowConfig& request) {
  GdiFontMaker fonts;
  const ConfigCompletion done = complete_window_config(request, display_metrics(), fonts);
  switch (done.outcome) {
    case ConfigOutcome::kAccepted:
      return apply_configuration(r, request, fonts.take(), done.metrics);
    case ConfigOutcome::kCorrected:
      return false;
    case ConfigOutcome::kFontError:
      break;
  }
  error_box(kErrorUnexpected, __FILE__, __LINE__);
  return false;
}

}  // namespace

void ensure_configured(ChildRecord& r) {
  if (r.configured || r.kept_after_close) return;
  WindowConfig request = default_window_config();
  configure_window(r, request);
}

bool configure_window(ChildRecord& r, WindowConfig& request) {
  return configure(r, request) || configure(r, request);  // a corrected request is acceptable
}

}  // namespace shell

using namespace shell;

std::int32_t SETWINDOWCONFIG(WindowConfig& config) {
  GdiFontMaker fonts;
  WindowConfig request = config;
  ChildRecord* r = record_of(wggetactive());
  const ConfigCompletion done = complete_window_config(request, display_metrics(), fonts);
  config = request;
  if (done.outcome == ConfigOutcome::kCorrected) return 0;
  if (r == nullptr || r->kept_after_close) {
    set_graphics_status(kStatusError);
    return 0;
  }
  if (done.outcome == ConfigOutcome::kFontError) {
    error_box(kErrorUnexpected, __FILE__, __LINE__);
    return 0;
  }
  return apply_configuration(*r, request, fonts.take(), done.metrics) ? 1 : 0;
}

std::int32_t GETWINDOWCONFIG(WindowConfig& config) {
  ChildRecord* r = record_of(wggetactive());
  if (r == nullptr) return 0;
  ensure_configured(*r);
  if (!r->configured) return 0;
  ConfiguredWindow w;
  w.pixel_width = r->screen_width;
  w.pixel_height = r->screen_height;
  w.colors = r->colors;
  w.geometry = AppliedGeometry{r->cell_width, r->cell_height, r->text_columns, r->text_rows};
  w.title = r->title;
  report_window_config(config, w, shell_state().display.bits_per_pixel);
  return 1;
}
