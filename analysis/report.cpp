// Report lines are built with the run-time's fixed-column writers; each is
// one record on the console unit or the report file. Detail lines follow
// rank order, found through the inverse of each chain's ranking.
#include "analysis/report.h"

#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "analysis/common_blocks.h"
#include "analysis/input_file.h"
#include "analysis/tables.h"
#include "runtime/field_write.h"
#include "runtime/units.h"

namespace bvrank {
namespace {

bool g_report_enabled = true;
std::vector<std::string> g_titles;

void to_screen(std::string_view line) {
  rt::write_console(line).or_stop();
}
void to_file(std::string_view line) {
  rt::write_record(kReportUnit, line).or_stop();
}

// Appends the detail line of residue `i` to `out`, with `end` after it when
// that is not NUL. Its fields stand at fixed columns: blank, name (3), 2
// blanks, chain (1 column for a PDB chain; a longer mmCIF chain name takes
// as many), 10 blanks, number (I6), 10 blanks, average (F7.2), blank, rank
// (I6); the line is put together in place, as the most frequent line of the
// report file.
void append_detail_line(std::string& out, int i, char end = '\0') {
  const std::string& chain = residues.RES_CHAIN[i];
  const std::size_t at = out.size();
  constexpr std::size_t kHead = 6;
  constexpr std::size_t kTail = 40;
  out.append(kHead + chain.size() + kTail + (end != '\0' ? 1 : 0), ' ');
  char* const head = &out[at];
  std::memcpy(head + 1, residues.RES_NAME[i], 3);
  if (!chain.empty()) std::memcpy(head + kHead, chain.data(), chain.size());
  char* const tail = head + kHead + chain.size();
  rt::put_integer(tail + 10, residues.RES_SEQ[i], 6);
  rt::put_fixed(tail + 26, std::fabs(residues.RES_BAVG[i]), 7, 2);
  rt::put_integer(tail + 34, residues.RES_RANK[i], 6);
  if (end != '\0') tail[kTail] = end;
}

constexpr std::string_view kTitlePrefix = "Title: ";

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
      append_detail_line(out, by_rank[static_cast<std::size_t>(r)], '\n');
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
  std::string line(kTitlePrefix);
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
  std::string line;
  append_detail_line(line, i);
  return line;
}

void set_report_enabled(bool enabled) {
  g_report_enabled = enabled;
}

bool report_enabled() {
  return g_report_enabled;
}

void open_report_file() {
  if (!g_report_enabled) return;
  rt::OpenRequest report;
  report.unit = kReportUnit;
  report.file = IN_AND_OUT.OUTNAME.view();
  report.status = rt::FileStatus::kUnknown;
  rt::open_unit(report).or_stop();
  note_report_file_written(true);
}

void write_to_file_and_screen(const std::string& line) {
  if (!g_report_enabled) return;
  to_file(line);
  to_screen(line);
}

const std::vector<std::string>& titles() {
  return g_titles;
}

void forget_titles() {
  g_titles.clear();
}

void keep_title(std::string text) {
  g_titles.push_back(std::move(text));
}

void write_title_line(std::string_view title_record, int record_length) {
  const std::string line = title_line(title_record, record_length);
  keep_title(line.substr(kTitlePrefix.size()));
  write_to_file_and_screen(line);
}

void write_screen_report() {
  if (!g_report_enabled) return;
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
  if (!g_report_enabled) return;
  constexpr std::size_t kDetailLength = 60;  // with its line end
  std::string lines;
  lines.reserve(static_cast<std::size_t>(residues.NRES + 3 * chains.NCHAIN) * kDetailLength);
  for (int c = 1; c <= chains.NCHAIN; ++c) append_chain_block(lines, c, residues.NRES);
  rt::write_records(kReportUnit, lines).or_stop();
}

void write_report_of_loaded_tables() {
  if (!g_report_enabled) return;
  open_report_file();
  write_to_file_and_screen(input_path_line());
  for (const std::string& title : g_titles) {
    write_to_file_and_screen(std::string(kTitlePrefix) + title);
  }
  write_screen_report();
  write_file_report();
  rt::close_unit(kReportUnit, rt::CloseStatus::kKeep).or_stop();
}

}  // namespace bvrank
