// Placeholder: filled in by its owner.
#include "shell/frame/window_size_math.h"
