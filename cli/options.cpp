// Option parsing with CLI11 (Debian libcli11-dev, header-only). CLI11's own
// exit codes are replaced by the program's: every usage error is status 2.
#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <map>

#include "analysis/structure_files.h"

namespace bvrank_cli {
namespace {

std::string input_help() {
  if (bvrank::structure_files_supported()) {
    return "Input files: PDB (.pdb, .PDB, .ent) and PDBx/mmCIF (.cif, .mmcif), either of them\n"
           "gzipped (.gz).";
  }
  return "Input files: PDB (.pdb, .PDB, .ent). This build reads no mmCIF and no gzipped files;\n"
         "the Linux build of bvrank-cli reads them.";
}

const char* const kFooter =
    "Formats:\n"
    "  text  the report as the windowed program shows it (the 20 highest ranks of each\n"
    "        chain) on standard output; every rank in a report file beside the input,\n"
    "        named like it with \"pdb\" replaced by \"out\" (1abc.pdb gives 1abc.out), or\n"
    "        without \".gz\" and its extension plus \".out\" (1abc.cif.gz gives 1abc.out)\n"
    "  tsv   a header line, then one row per ranked residue, in chain and rank order:\n"
    "        file chain_no chain residue seq atoms b_mean rank z b_main b_side\n"
    "  json  one JSON object per input file and line (JSON Lines)\n"
    "With tsv and json nothing is written beside the input files.\n"
    "\n"
    "Exit status: 0 when every file was analysed, 1 when an analysis failed, 2 for\n"
    "usage errors and for input/output errors that stop the program.\n";

}  // namespace

std::optional<int> parse_options(int argc, const char* const* argv, Options& options,
                                 std::FILE* out, std::FILE* err) {
  CLI::App app(
      "Ranks the residues of each chain of a structure file by their averaged B values.\n" +
          input_help(),
      "bvrank-cli");
  app.set_version_flag("--version", kVersionLine, "Show the version and exit");
  app.set_help_flag("-h,--help", "Show this help and exit");
  std::string format = "text";
  app.add_option("-f,--format", format, "Output format: text (default), tsv or json")
      ->check(CLI::IsMember({"text", "tsv", "json"}))
      ->option_text("FORMAT");
  app.add_option("--plot", options.plot, "Also draw the B-value profile of every chain into FILE")
      ->option_text("FILE.svg")
      ->check([](const std::string& v) { return v.empty() ? "an empty file name" : ""; });
  app.add_flag("--all", options.all, "No 10 000-atom and 10-chain limits: read every atom");
  app.add_option("FILE", options.files, "Input files (see above)")->required();
  app.footer(kFooter);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::fputs(app.help().c_str(), out);
    return 0;
  } catch (const CLI::CallForVersion& v) {
    std::fprintf(out, "%s\n", v.what());
    return 0;
  } catch (const CLI::ParseError& e) {
    std::fprintf(err, "bvrank-cli: %s\nRun \"bvrank-cli --help\" for the options.\n", e.what());
    return 2;
  }
  const std::map<std::string, OutputFormat> formats = {
      {"text", OutputFormat::kText}, {"tsv", OutputFormat::kTsv}, {"json", OutputFormat::kJson}};
  options.format = formats.at(format);
  return std::nullopt;
}

}  // namespace bvrank_cli
