// Placeholder: filled in by its owner.
#include "shell/frame/menu_table.h"
