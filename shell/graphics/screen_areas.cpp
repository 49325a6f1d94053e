// CLEARSCREEN's areas and the clip rectangles of graphics and text drawing.
#include "shell/graphics/screen_areas.h"

#include "shell/graphics/graphics_status.h"

namespace shell {
namespace {

bool viewport_is_whole_screen(const GraphicsState& s) {
  return s.viewport_left == 0 && s.viewport_top == 0 && s.viewport_right == s.screen_width - 1 &&
         s.viewport_bottom == s.screen_height - 1;
}

bool text_window_is_whole_screen(const TextGeometry& t) {
  return t.top_row == 1 && t.left_column == 1 && t.bottom_row == t.text_rows &&
         t.right_column == t.text_columns;
}

}  // namespace

PixelRect text_window_rect(const TextGeometry& t) {
  return PixelRect{t.cell_width * (t.left_column - 1), t.cell_height * (t.top_row - 1),
                   t.cell_width * t.right_column - 1, t.cell_height * t.bottom_row - 1};
}

PixelRect viewport_rect(const GraphicsState& s) {
  return PixelRect{s.viewport_left, s.viewport_top, s.viewport_right, s.viewport_bottom};
}

ClearPlan plan_clear_screen(const GraphicsState& state, std::int16_t area,
                            const TextGeometry& text) {
  ClearPlan plan;
  switch (area) {
    case kClearWindow:
      // The whole bitmap: its last column and row are width - 1, height - 1.
      plan.fill = PixelRect{0, 0, state.screen_width - 1, state.screen_height - 1};
      plan.text_buffer = TextBufferAction::kDiscard;
      plan.clears_has_graphics = true;
      break;
    case kClearViewport:
      plan.fill = viewport_rect(state);
      if (viewport_is_whole_screen(state)) plan.text_buffer = TextBufferAction::kDiscard;
      break;
    case kClearTextWindow:
      plan.fill = text_window_rect(text);
      plan.text_buffer = text_window_is_whole_screen(text) ? TextBufferAction::kDiscard
                                                           : TextBufferAction::kBlankTextWindow;
      break;
    default:
      plan.status = kStatusInvalidParameter;
      break;
  }
  return plan;
}

void note_graphics_clip_selected(GraphicsState& state) {
  state.graphics_clip_pending = false;
  state.text_clip_pending = true;
}

void note_text_clip_selected(GraphicsState& state) {
  state.text_clip_pending = false;
  state.graphics_clip_pending = true;
}

void note_clips_removed(GraphicsState& state) {
  state.graphics_clip_pending = true;
  state.text_clip_pending = true;
}

}  // namespace shell
