// Input kinds and report file names of the command-line front end.
#include "cli/input_names.h"

#include <gtest/gtest.h>

namespace {

using namespace bvrank_cli;

TEST(InputNames, KindsAndReportNames) {
  struct Case {
    const char* path;
    InputKind kind;
    const char* report;
  };
  const Case cases[] = {
      {"dir/1abc.pdb", InputKind::kPdb, "dir/1abc.out"},
      {"X.PDB", InputKind::kPdb, "X.out"},
      {"xpdb", InputKind::kPdb, "xout"},  // the windowed program's rule: last three characters
      {"pdb1abc.ent", InputKind::kPdb, "pdb1abc.out"},
      {"pdb1abc.ent.gz", InputKind::kGzippedPdb, "pdb1abc.out"},
      {"1abc.pdb.GZ", InputKind::kGzippedPdb, "1abc.out"},
      {"1abc.cif.gz", InputKind::kMmcif, "1abc.out"},
      {"a.b/1ABC.MMCIF", InputKind::kMmcif, "a.b/1ABC.out"},
      {"1abc.mmcif.gz", InputKind::kMmcif, "1abc.out"},
      {"x.Pdb", InputKind::kUnknown, ""},
      {"x.cif.zip", InputKind::kUnknown, ""},
      {"1abc.gz", InputKind::kUnknown, ""},
      {"cif", InputKind::kUnknown, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(input_kind(c.path), c.kind) << c.path;
    if (c.kind != InputKind::kUnknown) {
      EXPECT_EQ(report_name(c.path, c.kind), c.report) << c.path;
    }
  }
}

}  // namespace
