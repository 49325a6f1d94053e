// Placeholder: filled in by its owner.
#include "shell/child/text_buffer.h"
