// Configuring a child window on the platform: the font made with GDI, the
// memory bitmap and palette rebuilt, the text state reset, and the window
// shown and fitted to its virtual screen.
#pragma once

namespace shell {

struct ChildRecord;

// Gives an unconfigured window the default configuration.
void ensure_configured(ChildRecord& r);

}  // namespace shell
