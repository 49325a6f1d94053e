// Placeholder: filled in by its owner.
#include "shell/frame/user_items.h"
