// Report lines are built with the run-time's fixed-column writers; each is
// one record on the console unit or the report file. Detail lines follow
// rank order, found through the inverse of each chain's ranking.
#include "analysis/report.h"

#include <cmath>
#include <cstring>
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

// Appends the detail line of residue `i` to `out`. Its fields stand at
// fixed columns: blank, name (3), 2 blanks, chain (1), 10 blanks, number
// (I6), 10 blanks, average (F7.2), blank, rank (I6); the line is put
// together in place, as the most frequent line of the report file.
void append_detail_line(std::string& out, int i) {
  char line[47];
  std::memset(line, ' ', sizeof line);
  std::memcpy(line + 1, residues.RES_NAME[i], 3);
  line[6] = residues.RES_CHAIN[i];
  rt::put_integer(line + 17, residues.RES_SEQ[i], 6);
  rt::put_fixed(line + 33, std::fabs(residues.RES_BAVG[i]), 7, 2);
  rt::put_integer(line + 41, residues.RES_RANK[i], 6);
  out.append(line, sizeof line);
}

// One chain block: an empty line, the chain line, the header line, then
// the detail lines of ranks 1 up to `rank_limit`. Each line is appended to
// `out` with a LF after it.
void append_chain_block(std::string& out, int c, int rank_limit) {
  out += '\n';
  out.append(chain_line(c)).append("\n");
  out.append(header_line()).append("\n");
  const int first = chains.CHAIN_FIRST[c];
  const int last = chains.CHAIN_LAST[c];
  std::vector<int> by_rank(static_cast<std::size_t>(last - first + 2), 0);
  for (int i = first; i <= last; ++i) {
    const int rank = residues.RES_RANK[i];
    if (rank >= 1 && rank <= last - first + 1) by_rank[static_cast<std::size_t>(rank)] = i;
  }
  for (int r = 1; r <= rank_limit && r <= last - first + 1; ++r) {
    if (by_rank[static_cast<std::size_t>(r)] != 0) {
      append_detail_line(out, by_rank[static_cast<std::size_t>(r)]);
      out += '\n';
    }
  }
}

// Sends every line of `lines` (each ended by a LF) to the console.
void lines_to_screen(std::string_view lines) {
  while (!lines.empty()) {
    const std::size_t lf = lines.find('\n');
    to_screen(lines.substr(0, lf));
    lines.remove_prefix(lf + 1);
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
      .text(std::string_view(&chains.CHAIN_ID[chain], 1))
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
  std::string line;
  append_detail_line(line, i);
  return line;
}

void write_to_file_and_screen(const std::string& line) {
  to_file(line);
  to_screen(line);
}

void write_screen_report() {
  to_screen(kNoteLine);
  std::string lines;
  for (int c = 1; c <= chains.NCHAIN; ++c) {
    lines.clear();
    append_chain_block(lines, c, kScreenRanks);
    lines_to_screen(lines);
  }
}

// The file takes the whole report in one write.
void write_file_report() {
  constexpr std::size_t kDetailLength = 60;  // with its line end
  std::string lines;
  lines.reserve(static_cast<std::size_t>(residues.NRES + 3 * chains.NCHAIN) * kDetailLength);
  for (int c = 1; c <= chains.NCHAIN; ++c) append_chain_block(lines, c, residues.NRES);
  rt::write_records(kReportUnit, lines).or_stop();
}

}  // namespace bvrank
