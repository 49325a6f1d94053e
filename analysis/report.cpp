// Report lines are built with the run-time's fixed-column writers; each is
// one record on the console unit or the report file. Detail lines follow
// rank order, found through the inverse of each chain's ranking.
#include "analysis/report.h"

#include <cmath>
#include <vector>

#include "analysis/common_blocks.h"
#include "analysis/tables.h"
#include "runtime/field_write.h"
#include "runtime/units.h"

namespace bvrank {
namespace {

void to_screen(std::string_view line) {
  rt::write_console(line).or_stop();
}
void to_file(std::string_view line) {
  rt::write_record(kReportUnit, line).or_stop();
}

using Sink = void (*)(std::string_view);

// One chain block: an empty line, the chain line, the header line, then
// the detail lines of ranks 1 up to `rank_limit`.
void write_chain_block(int c, int rank_limit, Sink sink) {
  sink("");
  sink(chain_line(c));
  sink(header_line());
  const int first = chains.CHAIN_FIRST[c];
  const int last = chains.CHAIN_LAST[c];
  std::vector<int> by_rank(static_cast<std::size_t>(last - first + 2), 0);
  for (int i = first; i <= last; ++i) {
    const int rank = residues.RES_RANK[i];
    if (rank >= 1 && rank <= last - first + 1) by_rank[static_cast<std::size_t>(rank)] = i;
  }
  for (int r = 1; r <= rank_limit && r <= last - first + 1; ++r) {
    if (by_rank[static_cast<std::size_t>(r)] != 0)
      sink(detail_line(by_rank[static_cast<std::size_t>(r)]));
  }
}

}  // namespace

std::string input_path_line() {
  return std::string(
      IN_AND_OUT.INNAME.view().substr(0, static_cast<std::size_t>(IN_AND_OUT_LEN.INLEN)));
}

std::string title_line(std::string_view title_record, int record_length) {
  const int last = std::min(record_length, 80);
  std::string line = "Title: ";
  if (last > 6) line.append(title_record.substr(6, static_cast<std::size_t>(last - 6)));
  return line;
}

std::string chain_line(int chain) {
  return rt::RecordBuilder()
      .text("Chain identifier of chain no.")
      .integer(chain, 3)
      .text(" : ")
      .text(chains.CHAIN_ID[chain])
      .str();
}

std::string header_line() {
  return rt::RecordBuilder()
      .text("Residue Name ")
      .blanks(1)
      .text("Residue seq. no.")
      .blanks(4)
      .text("B value")
      .blanks(3)
      .text("Rank")
      .str();
}

std::string detail_line(int i) {
  return rt::RecordBuilder()
      .blanks(1)
      .text(std::string_view(residues.RES_NAME[i], 3))
      .blanks(2)
      .text(residues.RES_CHAIN[i])
      .blanks(10)
      .integer(residues.RES_SEQ[i], 6)
      .blanks(10)
      .fixed(std::fabs(residues.RES_BAVG[i]), 7, 2)
      .blanks(1)
      .integer(residues.RES_RANK[i], 6)
      .str();
}

void write_to_file_and_screen(const std::string& line) {
  to_file(line);
  to_screen(line);
}

void write_screen_report() {
  to_screen(kNoteLine);
  for (int c = 1; c <= chains.NCHAIN; ++c) write_chain_block(c, kScreenRanks, to_screen);
}

void write_file_report() {
  for (int c = 1; c <= chains.NCHAIN; ++c) write_chain_block(c, residues.NRES, to_file);
}

}  // namespace bvrank
