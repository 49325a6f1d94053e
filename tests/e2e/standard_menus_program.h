// What the end-to-end tests' program with the shell's standard menus writes
// and answers, shared by the program and the tests that drive it.
#pragma once

namespace standard_menus {

// Written to the console unit at start; the second is an empty record.
inline constexpr const char* kLines[] = {
    "Residue  Chain  B value  Rank",
    "",
    "  LYS      A     72.92      1",
    "  SER      A     64.78      2",
};

// Each line read from the console unit is written back after this.
inline constexpr const char* kEchoPrefix = "You typed: ";

}  // namespace standard_menus
