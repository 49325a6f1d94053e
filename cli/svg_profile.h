// The B-value profile picture: one panel per chain of every analysed file,
// the residue number as the file numbers it on the x axis, the averaged B
// on the y axis, and the 20 highest-ranked residues marked and labelled
// with their name and number. Plain SVG that needs no other file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/analyse_input.h"

namespace bvrank_cli {

inline constexpr int kMarkedRanks = 20;

// The picture of the chains of the successful results; empty when there
// is no chain to draw.
std::string profile_svg(const std::vector<FileResult>& results);

// `text` for XML character data or an attribute value: markup characters
// escaped, and bytes that are not UTF-8 or are control characters XML does
// not allow replaced by U+FFFD.
std::string xml_text(std::string_view text);

}  // namespace bvrank_cli
