// Arithmetic of SETWSIZEQQ and GETWSIZEQQ: the program's five-field size
// record and its widened form inside the shell, the checks of types and
// requests, and the conversions between client sizes or character cells and
// outer window rectangles. The glue supplies system metrics and rectangles.
#pragma once

#include <cstdint>

namespace shell {

// The program's record: type, x, y, height, width.
struct WindowSizeRecord {
  std::int16_t type, x, y, height, width;
};
static_assert(sizeof(WindowSizeRecord) == 10, "five 16-bit fields, as the program lays them out");

// The shell's widened record; `reserved` must be 0.
struct WideSizeRecord {
  std::int32_t reserved, type, x, y, height, width;
};

inline constexpr std::int32_t kFrameUnit = INT32_MIN;    // the frame pseudo-unit
inline constexpr std::int32_t kKeepCurrent = INT32_MIN;  // x, y, width or height: keep as it is

inline constexpr int kSizeMinimized = 1;
inline constexpr int kSizeMaximized = 2;
inline constexpr int kSizeRestored = 3;
inline constexpr int kSizePlaced = 4;

// Graphics status values of a refused size request.
inline constexpr int kStatusBadSizeRequest = -4;
inline constexpr int kStatusReservedNotZero = 7;

WideSizeRecord widen_size_record(const WindowSizeRecord& record);
// Values beyond 16 bits are clamped rather than wrapped.
WindowSizeRecord narrow_size_record(const WideSizeRecord& record);

// 0 when the record may be acted on; otherwise the status to set (a non-zero
// reserved word is reported before a type outside 1..4).
int check_size_record(const WideSizeRecord& record);

// What a GETWSIZEQQ request asks about. Requests 1 and 2 always mean the
// frame; 3 and 4 mean the unit's window, or the frame for the frame unit.
enum class SizeQuery { kInvalid, kFrameMaximum, kFrameCurrent, kWindowMaximum, kWindowCurrent };
SizeQuery size_query(std::int32_t unit, std::int32_t request);

struct PixelSize {
  int width, height;
};
struct WindowRect {
  int x, y, width, height;
};

enum class ShowState { kNormal, kMinimized, kMaximized };

// System metrics around the frame's client area.
struct FrameMetrics {
  int sizing_border_x, sizing_border_y;
  int caption_height, menu_height, status_bar_height;
};

// Outer size of a frame whose client area, less the status bar, is `client`.
PixelSize frame_outer_size(PixelSize client, const FrameMetrics& metrics);
// Where a type 4 request moves the existing frame (screen coordinates, outer
// rectangle); kKeepCurrent fields take the values of `current_outer`.
WindowRect frame_placement(const WideSizeRecord& record, const WindowRect& current_outer,
                           const FrameMetrics& metrics);

// A child window's cell and the system metrics around its client area.
struct ChildMetrics {
  int cell_width, cell_height;
  int caption_height, min_window_height;
  int vscroll_width, hscroll_height;  // scroll bar sizes
  int hthumb_width, vthumb_height;    // scroll thumb sizes
};

// The child's border as the shell reckons it: (minimum window height -
// caption) / 2, never negative.
int child_border(const ChildMetrics& metrics);
// Where a type 4 request moves a child (MDI client coordinates, outer
// rectangle); kKeepCurrent fields take the values of `current_outer`.
WindowRect child_placement(const WideSizeRecord& record, const WindowRect& current_outer,
                           const ChildMetrics& metrics);
// Outer size of a child whose client area shows exactly the virtual screen.
PixelSize child_outer_for_screen(PixelSize virtual_screen, int sizing_border_x, int sizing_border_y,
                                 int caption_height);

// GETWSIZEQQ answers.
WindowSizeRecord frame_maximum_size(PixelSize full_screen_client);
WindowSizeRecord frame_current_size(ShowState state, const WindowRect& frame_outer,
                                    PixelSize mdi_client, PixelSize full_screen_client);
// Before the frame exists: the stored request (type 0 when none was made).
WindowSizeRecord frame_stored_size(int type, const WindowRect& stored,
                                   PixelSize full_screen_client);
WindowSizeRecord child_maximum_size(PixelSize virtual_screen, PixelSize mdi_client,
                                    const ChildMetrics& metrics);
// `client_origin_x` and `_y` are the child's client-area origin in MDI client
// coordinates; `maximum` is child_maximum_size of the same window.
WindowSizeRecord child_current_size(ShowState state, const WindowRect& outer, int client_origin_x,
                                    int client_origin_y, const WindowSizeRecord& maximum,
                                    const ChildMetrics& metrics);

}  // namespace shell
