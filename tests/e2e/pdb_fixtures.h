// Input files for the end-to-end tests, cut from the real entries in the
// test data directory, and the report files expected for them.
#pragma once

#include <string>

namespace fixtures {

// 1tii.pdb's header, with its TITLE record, then an "END" record: the file
// ends before any atom record.
std::string end_before_atoms();
// 1tii.pdb up to and including its first ATOM record: the file ends inside
// the atom block.
std::string ends_in_atom_record();
// 1tii.pdb's header and first three atom records, the second with a letter
// in its B value (columns 61-66).
std::string letter_in_b_value();

// The report file expected for the data file `name` (expected/<stem>.out)
// when it was analysed from `path`: its first line is the input path.
std::string expected_report(const std::string& name, const std::string& path);
// The report line of 1tii.pdb's TITLE record, as the full report has it.
std::string title_line_of_1tii();

}  // namespace fixtures
