// The row formats on a hand-made result: TSV columns and order, and JSON
// that stays valid whatever bytes a name holds.
#include "cli/row_output.h"

#include <gtest/gtest.h>

namespace {

using namespace bvrank_cli;

FileResult two_residues(const std::string& file) {
  FileResult r;
  r.file = file;
  r.ok = true;
  r.titles = {"    A TITLE   "};
  bvrank::ChainFigures chain;
  chain.number = 3;
  chain.id = "AB";
  bvrank::ResidueFigures gly{"GLY", -4, 4, 10.125f, 2, -1.0, 10.125f, std::nullopt};
  bvrank::ResidueFigures lys{"LYS", 12, 9, 20.0f, 1, 1.0, 15.5f, 24.0f};
  chain.residues = {gly, lys};
  chain.by_rank = {1, 0};
  r.chains = {chain};
  return r;
}

TEST(RowOutput, TsvRowsInRankOrderWithEmptyMissingAverages) {
  EXPECT_EQ(tsv_header(),
            "file\tchain_no\tchain\tresidue\tseq\tatoms\tb_mean\trank\tz\tb_main\tb_side\n");
  EXPECT_EQ(tsv_rows(two_residues("a\tb.pdb")),
            "a b.pdb\t3\tAB\tLYS\t12\t9\t20.00\t1\t1.000\t15.50\t24.00\n"
            "a b.pdb\t3\tAB\tGLY\t-4\t4\t10.13\t2\t-1.000\t10.13\t\n");
  FileResult failed;
  failed.file = "x.pdb";
  EXPECT_EQ(tsv_rows(failed), "");
}

TEST(RowOutput, JsonObjectsForSuccessAndFailure) {
  EXPECT_EQ(json_line(two_residues("a.pdb")),
            "{\"file\":\"a.pdb\",\"status\":\"ok\",\"titles\":[\"A TITLE\"],\"chains\":[{"
            "\"chain_no\":3,\"chain\":\"AB\",\"residues\":["
            "{\"residue\":\"LYS\",\"seq\":12,\"atoms\":9,\"b_mean\":20.0,\"rank\":1,\"z\":1.0,"
            "\"b_main\":15.5,\"b_side\":24.0},"
            "{\"residue\":\"GLY\",\"seq\":-4,\"atoms\":4,\"b_mean\":10.13,\"rank\":2,\"z\":-1.0,"
            "\"b_main\":10.13,\"b_side\":null}]}]}\n");
  FileResult failed;
  failed.file = "caf\xE9\".pdb";  // Latin-1, not UTF-8
  failed.message = " B values are ZERO";
  EXPECT_EQ(json_line(failed),
            "{\"file\":\"caf\xEF\xBF\xBD\\\".pdb\",\"status\":\"failed\","
            "\"message\":\"B values are ZERO\",\"titles\":[],\"chains\":[]}\n");
}

}  // namespace
