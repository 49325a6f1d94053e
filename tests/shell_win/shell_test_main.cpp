// The main program of the shell's test program: the shell starts as it
// does for bvrank (frame 700 x 900 at the top left), then the tests run on
// the program thread against the real windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "shell/frame/window_services.h"
#include "shell/startup/end_process_win.h"
#include "shell/startup/program_hooks.h"
#include "shell/units/unit_services.h"
#include "shell_win/shell_test_support.h"

namespace shell_test {

std::int32_t g_child_size_during_settings = 99;

}  // namespace shell_test

bool INITIALSETTINGS() {
  shell::WindowSizeRecord frame{4, 0, 0, 900, 700};
  SETWSIZEQQ(kFramePseudoUnit, frame);
  shell::WindowSizeRecord child{2, 0, 0, 895, 695};
  shell_test::g_child_size_during_settings = SETWSIZEQQ(0, child);
  return true;
}

void program_main() {
  int argc = __argc;
  testing::InitGoogleTest(&argc, __argv);
  const int failed = RUN_ALL_TESTS();
  std::fflush(stdout);
  // The test's verdict is the process exit code; the frame is not asked.
  shell::end_process_now(failed == 0 ? 0 : 1);
}
