// What kind of file an input name stands for, and the name of the report
// file that the text format writes beside it.
#pragma once

#include <string>
#include <string_view>

namespace bvrank_cli {

enum class InputKind { kPdb, kGzippedPdb, kMmcif, kUnknown };

// kPdb: ends in "pdb" or "PDB" (the windowed program's rule) or in ".ent"
// or ".ENT"; kMmcif: ".cif" or ".mmcif" in either case; either of them
// followed by ".gz" (either case) is gzipped (an mmCIF file is read the
// same way gzipped or not).
InputKind input_kind(std::string_view path);

// A plain PDB file's report file is its name with the last three
// characters replaced by "out" (1abc.pdb, 1abc.out); any other input's is
// its name without ".gz" and without its extension, plus ".out"
// (1abc.cif.gz, 1abc.out; pdb1abc.ent.gz, pdb1abc.out).
std::string report_name(std::string_view path, InputKind kind);

}  // namespace bvrank_cli
