// Size records and window rectangles for SETWSIZEQQ and GETWSIZEQQ. Sums
// are taken in 64 bits and clamped, so a widened record with extreme values
// gives a huge rectangle rather than a wrapped, negative one.
#include "shell/frame/window_size.h"

#include <algorithm>
#include <climits>

namespace shell {
namespace {

int clamp_int(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::int16_t clamp16(long long value) {
  return static_cast<std::int16_t>(std::clamp<long long>(value, -32768, 32767));
}

int keep_or(std::int32_t requested, int current, long long computed) {
  return requested == kKeepCurrent ? current : clamp_int(computed);
}

// Cells asked for a size are never fewer than none.
long long cells(std::int32_t count) {
  return std::max<std::int32_t>(count, 0);
}

int safe_cell(int cell) {
  return std::max(cell, 1);
}

WindowSizeRecord record(int type, long long x, long long y, long long height, long long width) {
  return {clamp16(type), clamp16(x), clamp16(y), clamp16(height), clamp16(width)};
}

}  // namespace

WideSizeRecord widen_size_record(const WindowSizeRecord& r) {
  return {0, r.type, r.x, r.y, r.height, r.width};
}

WindowSizeRecord narrow_size_record(const WideSizeRecord& r) {
  return record(r.type, r.x, r.y, r.height, r.width);
}

int check_size_record(const WideSizeRecord& r) {
  if (r.reserved != 0) return kStatusReservedNotZero;
  if (r.type < kSizeMinimized || r.type > kSizePlaced) return kStatusBadSizeRequest;
  return 0;
}

SizeQuery size_query(std::int32_t unit, std::int32_t request) {
  switch (request) {
    case 1:
      return SizeQuery::kFrameMaximum;
    case 2:
      return SizeQuery::kFrameCurrent;
    case 3:
      return unit == kFrameUnit ? SizeQuery::kFrameMaximum : SizeQuery::kWindowMaximum;
    case 4:
      return unit == kFrameUnit ? SizeQuery::kFrameCurrent : SizeQuery::kWindowCurrent;
    default:
      return SizeQuery::kInvalid;
  }
}

PixelSize frame_outer_size(PixelSize client, const FrameMetrics& m) {
  const long long width = client.width + 2LL * m.sizing_border_x;
  const long long height = client.height + 2LL * m.sizing_border_y + m.menu_height +
                           m.caption_height + m.status_bar_height;
  return {clamp_int(width), clamp_int(height)};
}

WindowRect frame_placement(const WideSizeRecord& r, const WindowRect& current,
                           const FrameMetrics& m) {
  const long long width = std::max<std::int32_t>(r.width, 0) + 2LL * m.sizing_border_x;
  const long long height = std::max<std::int32_t>(r.height, 0) + 2LL * m.sizing_border_y +
                           m.menu_height + m.caption_height + m.status_bar_height;
  return {keep_or(r.x, current.x, r.x), keep_or(r.y, current.y, r.y),
          keep_or(r.width, current.width, width), keep_or(r.height, current.height, height)};
}

int child_border(const ChildMetrics& m) {
  return std::max((m.min_window_height - m.caption_height) / 2, 0);
}

WindowRect child_placement(const WideSizeRecord& r, const WindowRect& current,
                           const ChildMetrics& m) {
  const int b = 2 * child_border(m);
  const long long x = static_cast<long long>(r.x) * m.cell_width;
  const long long y = static_cast<long long>(r.y) * m.cell_height;
  const long long width = cells(r.width) * m.cell_width + m.vscroll_width + b;
  const long long height =
      cells(r.height) * m.cell_height + m.hscroll_height + b + m.caption_height + 1LL;
  return {keep_or(r.x, current.x, x), keep_or(r.y, current.y, y),
          keep_or(r.width, current.width, width), keep_or(r.height, current.height, height)};
}

PixelSize child_outer_for_screen(PixelSize screen, int sizing_border_x, int sizing_border_y,
                                 int caption_height) {
  return {clamp_int(screen.width + 2LL * sizing_border_x),
          clamp_int(screen.height + 2LL * sizing_border_y + caption_height - 1LL)};
}

WindowSizeRecord frame_maximum_size(PixelSize full) {
  return record(kSizePlaced, 0, 0, full.height, full.width);
}

WindowSizeRecord frame_current_size(ShowState state, const WindowRect& outer, PixelSize client,
                                    PixelSize full) {
  switch (state) {
    case ShowState::kMinimized:
      return record(kSizeMinimized, 0, 0, 0, 0);
    case ShowState::kMaximized:
      return record(kSizeMaximized, 0, 0, full.height, full.width);
    case ShowState::kNormal:
      break;
  }
  return record(kSizePlaced, outer.x, outer.y, client.height, client.width);
}

WindowSizeRecord frame_stored_size(int type, const WindowRect& stored, PixelSize full) {
  switch (type) {
    case kSizeMaximized:
      return record(type, 0, 0, full.height, full.width);
    case kSizePlaced:
      return record(type, stored.x, stored.y, stored.height, stored.width);
    default:
      return record(type, 0, 0, 0, 0);
  }
}

WindowSizeRecord child_maximum_size(PixelSize screen, PixelSize client, const ChildMetrics& m) {
  const long long width_px =
      std::max(std::min<long long>(screen.width, client.width - 1LL * m.vscroll_width), 0LL);
  const long long height_px =
      std::max(std::min<long long>(screen.height, client.height - 1LL * m.hscroll_height), 0LL);
  const int cw = safe_cell(m.cell_width);
  const int ch = safe_cell(m.cell_height);
  return record(kSizePlaced, 0, 0, (height_px + ch / 2) / ch, (width_px + cw / 2) / cw);
}

WindowSizeRecord child_current_size(ShowState state, const WindowRect& outer, int client_origin_x,
                                    int client_origin_y, const WindowSizeRecord& maximum,
                                    const ChildMetrics& m) {
  switch (state) {
    case ShowState::kMinimized:
      return record(kSizeMinimized, 0, 0, 0, 0);
    case ShowState::kMaximized:
      return record(kSizeMaximized, 0, 0, maximum.height, maximum.width);
    case ShowState::kNormal:
      break;
  }
  const long long border = child_border(m);
  const int cw = safe_cell(m.cell_width);
  const int ch = safe_cell(m.cell_height);
  // A window squeezed below its decorations has no cells, not a negative count.
  const long long width = std::max(outer.width - 2 * border - m.hthumb_width, 0LL) / cw;
  const long long height =
      std::max(outer.height - 2 * border - m.caption_height - m.vthumb_height, 0LL) / ch;
  const long long x = (client_origin_x - border) / cw;
  const long long y = (client_origin_y - border - m.caption_height) / ch;
  return record(kSizePlaced, x, y, height, width);
}

}  // namespace shell
