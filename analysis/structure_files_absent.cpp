// The build without gemmi and zlib (MinGW): only plain PDB files are read;
// the command-line front end refuses other names before analysing.
#include "analysis/read_pdb.h"
#include "analysis/structure_files.h"

namespace bvrank {

bool structure_files_supported() {
  return false;
}

std::int32_t analyse_mmcif_file(std::string& detail) {
  detail = "this build reads PDB files only";
  return kStatusReadError;
}

std::int32_t analyse_gzipped_pdb_file(std::string& detail) {
  detail = "this build reads PDB files only";
  return kStatusReadError;
}

}  // namespace bvrank
