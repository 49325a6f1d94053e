// Placeholder: filled in by its owner.
#include "shell/frame/error_text.h"
