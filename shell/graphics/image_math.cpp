// Placeholder: filled in by its owner.
#include "shell/graphics/image_math.h"
