// A program linked with the shell that keeps the shell's standard menu bar
// (bvrank itself cuts it down to its File menu), so that the end-to-end
// tests can choose Edit and State commands as a person would: it writes a
// few lines, then reads lines from the console unit and writes each back.
#include "e2e/standard_menus_program.h"

#include <string>

#include "runtime/units.h"
#include "shell/frame/window_services.h"
#include "shell/startup/program_hooks.h"
#include "shell/units/unit_services.h"

bool INITIALSETTINGS() {
  shell::WindowSizeRecord frame{4, 0, 0, 900, 700};
  SETWSIZEQQ(kFramePseudoUnit, frame);
  return true;
}

void program_main() {
  for (const char* line : standard_menus::kLines) rt::write_console(line).or_stop();
  for (;;) {
    std::string record;
    rt::read_record(5, record).or_stop();
    rt::write_console(standard_menus::kEchoPrefix + record).or_stop();
  }
}
