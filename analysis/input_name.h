// Taking the Open dialog's result apart: the directory part, the chosen
// path into the file list, and the check that it is a usable PDB name.
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/fixed_text.h"

namespace bvrank {

inline constexpr int kFileBufferLength = 1024;

// From the dialog's file-name buffer and its file-name offset: DIRNAME
// (cut at 50 characters), DIRLEN, FILELIST/FILELEN entry 1 and NAMESTAT
// (1 for a path of at most 100 characters ending in "pdb" or "PDB").
void take_chosen_path(std::string_view file_buffer, int file_offset, rt::FixedText<50>& DIRNAME,
                      std::int32_t& DIRLEN, std::int32_t& NAMESTAT);

// Clears the results before the dialog is shown.
void clear_chosen_path(rt::FixedText<50>& DIRNAME, std::int32_t& DIRLEN, std::int32_t& NAMESTAT);

}  // namespace bvrank
