// Colours of a child window on its device contexts: colour words to
// COLORREFs through the window's palette, the window's logical palette,
// and the clip regions selected before drawing.
#pragma once

#include <windows.h>

#include <vector>

#include "shell/graphics/colors.h"

namespace shell {

struct ChildRecord;

// The colour a colour word draws with on this window.
COLORREF colorref(const ChildRecord& r, ColorWord word);

// Rebuilds the window's logical palette for `colors` colours and selects
// it into both contexts.
bool build_palette(ChildRecord& r, int colors);
// Makes a palette of `entries`, selects and realises it in both contexts
// and deletes the old one; false (the old palette stays) when it cannot be
// made.
bool replace_palette(ChildRecord& r, const std::vector<Rgb>& entries);

// Clip bookkeeping after the text routines selected the text window.
void mark_text_clip_selected(ChildRecord& r);
// Selects the viewport as the clip region of both contexts when pending.
void select_graphics_clip(ChildRecord& r);

}  // namespace shell
