// The row formats: tab-separated rows and JSON Lines, one residue per row
// or object, with the same fields (the residue name without blanks, b_mean
// and the main and side averages with 2 decimals, z with 3).
#pragma once

#include <string>

#include "cli/analyse_input.h"

namespace bvrank_cli {

// The TSV header line, ended by a line feed.
std::string tsv_header();
// The rows of one analysed file: its ranked residues, chain by chain in
// rank order, each line ended by a line feed. A tab, line feed or carriage
// return inside a field (a file name may hold one) becomes a blank, so
// that every row keeps its columns.
std::string tsv_rows(const FileResult& result);

// One JSON object on one line, ended by a line feed: file, status ("ok" or
// "failed"), message (failures only), titles (without surrounding blanks)
// and chains with their residues. Bytes that are not UTF-8 are replaced, so the line is always
// valid JSON.
std::string json_line(const FileResult& result);

}  // namespace bvrank_cli
