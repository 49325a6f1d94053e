// Plain PDB files go through READ_PDB exactly as in the windowed program;
// gzipped and mmCIF files through the readers that fill the same tables.
// A failure's message is the windowed program's status text, followed by
// the reason when the reader gave one.
#include "cli/analyse_input.h"

#include "analysis/input_file.h"
#include "analysis/read_pdb.h"
#include "analysis/report.h"
#include "analysis/structure_files.h"
#include "runtime/fixed_text.h"

namespace bvrank_cli {
namespace {

std::string failure_message(std::int32_t status, const std::string& detail) {
  std::string text(rt::trim_trailing_blanks(bvrank::status_message(status).text));
  if (detail.empty()) return text;
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text + ": " + detail;
}

}  // namespace

FileResult analyse_input(const std::string& path, InputKind kind, bool want_figures) {
  FileResult r;
  r.file = path;
  bvrank::set_input_and_report_names(path, report_name(path, kind));
  std::int32_t status = bvrank::kStatusDone;
  std::string detail;
  switch (kind) {
    case InputKind::kPdb:
      bvrank::READ_PDB(status);
      break;
    case InputKind::kGzippedPdb:
      status = bvrank::analyse_gzipped_pdb_file(detail);
      break;
    case InputKind::kMmcif:
      status = bvrank::analyse_mmcif_file(detail);
      break;
    case InputKind::kUnknown:
      status = bvrank::kStatusReadError;
      detail = "not an input file name";
      break;
  }
  r.ok = status == bvrank::kStatusDone;
  r.titles = bvrank::titles();
  if (!r.ok) {
    r.message = failure_message(status, detail);
  } else if (want_figures) {
    r.chains = bvrank::chain_figures();
  }
  return r;
}

}  // namespace bvrank_cli
