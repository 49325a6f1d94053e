// Placeholder: filled in by its owner.
#include "shell/frame/window_config.h"
