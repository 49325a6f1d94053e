// Report lines are built with the run-time's fixed-column writers; each is
// one record on the console unit or the report file. Detail lines follow
// rank order, found through the inverse of each chain's ranking.
#include "analysis/report.h"

#include <cmath>
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

using Sink = void (*)(std::string_view);

constexpr std::string_view kTitlePrefix = "Title: ";

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
  for (int c = 1; c <= chains.NCHAIN; ++c) write_chain_block(c, kScreenRanks, to_screen);
}

void write_file_report() {
  if (!g_report_enabled) return;
  for (int c = 1; c <= chains.NCHAIN; ++c) write_chain_block(c, residues.NRES, to_file);
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
