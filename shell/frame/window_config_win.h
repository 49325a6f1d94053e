// Configuring a child window on the platform: the font made with GDI, the
// memory bitmap and palette rebuilt, the text state reset, and the window
// shown and fitted to its virtual screen.
#pragma once

#include "shell/frame/window_config.h"

namespace shell {

struct ChildRecord;

// Gives an unconfigured window the default configuration.
void ensure_configured(ChildRecord& r);

// Configures `r` with `request`, accepting the shell's corrections once;
// true when a configuration was applied.
bool configure_window(ChildRecord& r, WindowConfig& request);

}  // namespace shell
