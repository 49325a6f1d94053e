// The one instance of the shell's process-wide state.
#include "shell/startup/shell_state_win.h"

namespace shell {

ShellState& shell_state() {
  static ShellState state;
  return state;
}

}  // namespace shell
