// Preparing the child window before a report: the viewport and window
// coordinates over the configured 695 x 895 pixels, white background,
// cleared, black text.
#pragma once

namespace bvrank {

// The view set-up shared with the window configuration at start-up:
// viewport, inverted window coordinates, white background, clear.
void PREP_VIEW();

// PREP_VIEW, then black text: done by every analysis before its report.
void prepare_report_view();

}  // namespace bvrank
