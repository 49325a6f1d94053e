// Placeholder: filled in by its owner.
#include "shell/graphics/coordinates.h"
