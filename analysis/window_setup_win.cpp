// Adapting the shell to this program: the frame at the top left, 700 x 900
// pixels; the report window 695 x 895 pixels with a blank caption; a menu
// bar of one File menu with the program's two commands.
#include <cstring>

#include "analysis/program_flow.h"
#include "shell/frame/menu_services.h"
#include "shell/frame/window_services.h"
#include "shell/startup/program_hooks.h"
#include "shell/units/unit_services.h"

namespace {

shell::WindowSizeRecord g_size;
shell::WindowConfig g_config;

}  // namespace

bool INITIALSETTINGS() {
  g_size = shell::WindowSizeRecord{4, 0, 0, 900, 700};
  SETWSIZEQQ(kFramePseudoUnit, g_size);
  // While the start-up hook runs, unit windows cannot be sized: this is refused.
  g_size = shell::WindowSizeRecord{2, 0, 0, 895, 695};
  SETWSIZEQQ(0, g_size);
  return true;
}

namespace bvrank {

void GRAPHICSMODE() {
  GETWINDOWCONFIG(g_config);
  g_config.numxpixels = 695;
  g_config.numypixels = 895;
  g_config.numtextcols = -1;
  g_config.numtextrows = -1;
  g_config.numcolors = -1;
  g_config.fontsize = -1;
  std::memset(g_config.title, ' ', sizeof g_config.title);
  g_config.title[0] = ' ';
  g_config.title[1] = '\0';
  if (SETWINDOWCONFIG(g_config) == 0) SETWINDOWCONFIG(g_config);

  INSERTMENUQQ(1, 1, 4, "&Open Input File", GET_INPUT_FILE);
  DELETEMENUQQ(1, 3);
  INSERTMENUQQ(1, 3, 4, "&Save Output File", GET_OUTPUT_NAME);
  for (int i = 0; i < 5; ++i) DELETEMENUQQ(2, 0);
}

}  // namespace bvrank
