// The report: every line's layout, and the order in which the lines go to
// the screen (the console unit, at most 20 ranks per chain) and to the
// report file (unit 2, every rank).
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// Whether analyses write their report (screen lines and report file). On
// by default; the command-line front end turns it off when it writes rows
// instead, and then nothing is written beside the input.
void set_report_enabled(bool enabled);
bool report_enabled();

// Creates (or replaces) the report file OUTNAME as unit 2.
void open_report_file();

// Writes a line to the report file, then to the screen (input path and titles).
void write_to_file_and_screen(const std::string& line);

// The titles of the current analysis, each as its title line shows it after
// "Title: ". READ_PDB forgets them at its start and keeps each one it meets.
const std::vector<std::string>& titles();
void forget_titles();
void keep_title(std::string text);
// Keeps the title of a TITLE record and writes its title line.
void write_title_line(std::string_view title_record, int record_length);

// The screen part of a successful analysis: note line, then the chain
// blocks with up to 20 detail lines each.
void write_screen_report();
// The report file part: the chain blocks with all detail lines.
void write_file_report();

// The whole report of tables that another reader filled (mmCIF input), in
// the order READ_PDB writes it: the report file is created, the input-path
// line and the title lines go to it and to the screen, then the screen part
// and the file part follow and the report file is closed.
void write_report_of_loaded_tables();

}  // namespace bvrank
