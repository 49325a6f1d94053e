// What the program linked with the shell supplies, and the shell's own
// start-up hook for the menus.
#pragma once

// The program's: called once during start-up, before the frame exists, to
// set the frame size and possibly fill the menu bar. False is a start-up
// error.
bool INITIALSETTINGS();

// The program's main program, run on the program thread.
void program_main();

// The shell's: builds the standard menu bar when the program left it empty.
bool INITIALMENU();
