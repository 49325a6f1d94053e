// Input kinds by name only: the file is not opened here.
#include "cli/input_names.h"

namespace bvrank_cli {
namespace {

bool ends_with(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool ends_with_either_case(std::string_view s, std::string_view lower, std::string_view upper) {
  return ends_with(s, lower) || ends_with(s, upper);
}

std::string_view without_gz(std::string_view path) {
  return ends_with_either_case(path, ".gz", ".GZ") ? path.substr(0, path.size() - 3) : path;
}

bool is_pdb_name(std::string_view name) {
  return ends_with_either_case(name, "pdb", "PDB") || ends_with_either_case(name, ".ent", ".ENT");
}

bool is_mmcif_name(std::string_view name) {
  return ends_with_either_case(name, ".cif", ".CIF") ||
         ends_with_either_case(name, ".mmcif", ".MMCIF");
}

}  // namespace

InputKind input_kind(std::string_view path) {
  const std::string_view base = without_gz(path);
  const bool gzipped = base.size() != path.size();
  if (is_pdb_name(base)) return gzipped ? InputKind::kGzippedPdb : InputKind::kPdb;
  if (is_mmcif_name(base)) return InputKind::kMmcif;
  return InputKind::kUnknown;
}

std::string report_name(std::string_view path, InputKind kind) {
  const std::string_view base = without_gz(path);
  if (kind == InputKind::kMmcif) {
    const std::size_t dot = base.rfind('.');  // is_mmcif_name found one
    return std::string(base.substr(0, dot)) + ".out";
  }
  // "pdb", "PDB" or the "ent" of ".ent": three characters give way to "out".
  return std::string(base.substr(0, base.size() - 3)) + "out";
}

}  // namespace bvrank_cli
