// The command line of bvrank-cli: input files and the options that choose
// the output format, the profile picture and lifting the table limits.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace bvrank_cli {

enum class OutputFormat { kText, kTsv, kJson };

struct Options {
  std::vector<std::string> files;
  OutputFormat format = OutputFormat::kText;
  std::string plot;  // the SVG file to write; empty for none
  bool all = false;  // lift the 10 000-atom and 10-chain limits
};

inline constexpr const char* kVersionLine = "bvrank-cli 0.1.0";

// Parses argv into `options`. Returns the exit status when the program is
// to end at once: 0 after --help (printed to `out`) or --version, 2 after a
// usage error (reported on `err` with a pointer to --help).
std::optional<int> parse_options(int argc, const char* const* argv, Options& options,
                                 std::FILE* out, std::FILE* err);

}  // namespace bvrank_cli
