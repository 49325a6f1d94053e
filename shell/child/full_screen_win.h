// Full Screen: a borderless popup over the whole display shows the active
// child's virtual screen; Escape, Alt+Enter or a click return to the frame.
#pragma once

#include <windows.h>

namespace shell {

struct ChildRecord;

bool register_full_screen_class();
// Shows `child` full screen, or returns from full screen when it is shown so.
void toggle_full_screen(HWND child);
// Ends full screen without touching the child (the child is being destroyed).
void end_full_screen_on_destroy(ChildRecord& r);

}  // namespace shell
