// The report: every line's layout, and the order in which the lines go to
// the screen (the console unit, at most 20 ranks per chain) and to the
// report file (unit 2, every rank).
#pragma once

#include <string>
#include <string_view>

namespace bvrank {

inline constexpr int kReportUnit = 2;
inline constexpr int kScreenRanks = 20;
inline constexpr std::string_view kNoteLine = "(The highest 20 averaged B values are shown only.) ";

// Line layouts. `title_record` is the TITLE record buffer (80 columns) and
// `record_length` its length in the file.
std::string input_path_line();
std::string title_line(std::string_view title_record, int record_length);
std::string chain_line(int chain);
std::string header_line();
std::string detail_line(int residue);

// Writes a line to the report file, then to the screen (input path and titles).
void write_to_file_and_screen(const std::string& line);

// The screen part of a successful analysis: note line, then the chain
// blocks with up to 20 detail lines each.
void write_screen_report();
// The report file part: the chain blocks with all detail lines.
void write_file_report();

}  // namespace bvrank
