// Command numbers the frame handles itself.
#pragma once

#include "shell/frame/menu_table.h"

namespace shell {

inline constexpr int kCommandMinimalExit = kCmdMinimalExit;

}  // namespace shell
