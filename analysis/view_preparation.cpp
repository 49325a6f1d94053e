// View preparation through the shell's graphics services; results ignored.
#include "analysis/view_preparation.h"

#include "shell/graphics/graphics_services.h"

namespace bvrank {

inline constexpr int kViewWidth = 695;
inline constexpr int kViewHeight = 895;

void PREP_VIEW() {
  SETVIEWPORT(0, 0, kViewWidth, kViewHeight);
  SETWINDOW(1, 0.0, 0.0, kViewWidth, kViewHeight);
  SETBKCOLORRGB(0xFFFFFF);
  CLEARSCREEN(1);
}

void prepare_report_view() {
  PREP_VIEW();
  SETTEXTCOLORRGB(0x000000);
}

}  // namespace bvrank
