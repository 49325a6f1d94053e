// The program's entry points in the windowed shell: the start-up settings,
// the window and menu set-up, the main program, and the two menu routines
// (Open Input File, Save Output File).
#pragma once

#include <cstdint>

namespace bvrank {

// Asks for a PDB file and analyses it; the routine of "&Open Input File".
void GET_INPUT_FILE(std::int32_t* checked = nullptr);
// Copies the report into a file chosen in the Save dialog; the routine of
// "&Save Output File".
void GET_OUTPUT_NAME(std::int32_t* checked = nullptr);
// Shows the Open dialog; NAMESTAT 1 when a usable PDB path was chosen.
void GET_INPUT_NAME(char* DIRNAME, std::int32_t DIRNAME_length, std::int32_t& DIRLEN,
                    std::int32_t& NAMESTAT);

void GRAPHICSMODE();
// The endless idle routine.
[[noreturn]] void PDB_LOOP();

}  // namespace bvrank
