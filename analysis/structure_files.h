// Analyses of input files other than plain PDB files: mmCIF files and
// gzipped files of either format. They need gemmi and zlib, which the
// native build has; a build without them (MinGW) links the variant that
// says so and reads nothing.
#pragma once

#include <cstdint>
#include <string>

namespace bvrank {

// Whether this build reads mmCIF and gzipped files.
bool structure_files_supported();

// Analyses the mmCIF file INNAME (gzipped when its name ends in ".gz"):
// its polymer atoms go through the same statistics as a PDB file's, and
// the report (when on) is written to the screen and to OUTNAME only once
// the whole file has been read, so a file that cannot be read leaves
// nothing behind. Returns the status as READ_PDB does, with the reason of
// a failure in `detail`.
std::int32_t analyse_mmcif_file(std::string& detail);

// Analyses the gzipped PDB file INNAME with READ_PDB itself, which reads
// the decompressed text; a gzip error is a read error (status -3) before
// anything is written.
std::int32_t analyse_gzipped_pdb_file(std::string& detail);

}  // namespace bvrank
