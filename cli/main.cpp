// bvrank-cli: the analysis without windows, for batch use and pipelines.
// By default each PDB file is analysed exactly as the windowed program does
// (same reader, same report file beside the input) and the screen lines go
// to standard output; options choose rows instead of the report, a profile
// picture, and lifting the table limits.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "analysis/report.h"
#include "analysis/structure_files.h"
#include "analysis/tables.h"
#include "cli/analyse_input.h"
#include "cli/input_names.h"
#include "cli/options.h"
#include "cli/row_output.h"
#include "cli/svg_profile.h"
#include "runtime/error_stop.h"
#include "runtime/units.h"

namespace {

using namespace bvrank_cli;

constexpr int kExitOk = 0;
constexpr int kExitAnalysisFailed = 1;
constexpr int kExitUsage = 2;  // also run-time stops and output errors

[[noreturn]] void stop_program(const std::string& report) {
  rt::finish();
  std::fflush(stdout);
  std::fprintf(stderr, "bvrank-cli: %s\n", report.c_str());
  std::exit(kExitUsage);
}

// The kind of every input, or an error for the first name that cannot be
// analysed; checked before any file is.
std::string input_kinds(const std::vector<std::string>& files, std::vector<InputKind>& kinds) {
  for (const std::string& f : files) {
    const InputKind kind = input_kind(f);
    if (kind == InputKind::kUnknown) {
      return f +
             ": not an input file name (it must end in \"pdb\" or \"PDB\", \".ent\", \".cif\" "
             "or \".mmcif\", any of them followed by \".gz\" or not)";
    }
    if (kind != InputKind::kPdb && !bvrank::structure_files_supported()) {
      return f + ": this build of bvrank-cli reads PDB files only (.pdb, .PDB, .ent)";
    }
    kinds.push_back(kind);
  }
  return {};
}

bool same_file(const std::string& a, const std::string& b) {
  std::error_code ec1, ec2;
  const auto pa = std::filesystem::weakly_canonical(a, ec1);
  const auto pb = std::filesystem::weakly_canonical(b, ec2);
  return !ec1 && !ec2 && pa == pb;
}

// The picture must not replace an input file, nor a report file written in
// the same run.
std::string plot_name_error(const Options& o, const std::vector<InputKind>& kinds) {
  for (std::size_t i = 0; i < o.files.size(); ++i) {
    if (same_file(o.plot, o.files[i])) return "--plot " + o.plot + ": that is an input file";
    if (o.format == OutputFormat::kText && same_file(o.plot, report_name(o.files[i], kinds[i]))) {
      return "--plot " + o.plot + ": that is the report file of " + o.files[i];
    }
  }
  return {};
}

// Writes the picture; false with a message on standard error.
bool write_plot(const std::string& path, const std::vector<FileResult>& results) {
  const std::string svg = profile_svg(results);
  if (svg.empty()) {
    std::fprintf(stderr, "bvrank-cli: no chain was analysed, so %s was not written\n",
                 path.c_str());
    return true;  // the failed analyses have been reported already
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << svg;
  out.close();
  if (!out) {
    std::fprintf(stderr, "bvrank-cli: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // screen lines end in LF on every platform
#endif
  Options options;
  if (const auto code = parse_options(argc, argv, options, stdout, stderr)) return *code;
  std::vector<InputKind> kinds;
  std::string error = input_kinds(options.files, kinds);
  if (error.empty() && !options.plot.empty()) error = plot_name_error(options, kinds);
  if (!error.empty()) {
    std::fprintf(stderr, "bvrank-cli: %s\n", error.c_str());
    return kExitUsage;
  }

  bvrank::lift_table_limits(options.all);
  bvrank::set_report_enabled(options.format == OutputFormat::kText);
  rt::set_stop_routine(stop_program);
  const bool want_figures = options.format != OutputFormat::kText || !options.plot.empty();
  if (options.format == OutputFormat::kTsv) std::fputs(tsv_header().c_str(), stdout);

  bool all_ok = true;
  std::vector<FileResult> kept;  // for the picture
  for (std::size_t i = 0; i < options.files.size(); ++i) {
    FileResult r = analyse_input(options.files[i], kinds[i], want_figures);
    if (!r.ok) {
      rt::finish();  // complete the last screen line before the message
      std::fflush(stdout);
      std::fprintf(stderr, "%s\n", r.message.c_str());
      all_ok = false;
    }
    if (options.format == OutputFormat::kTsv) std::fputs(tsv_rows(r).c_str(), stdout);
    if (options.format == OutputFormat::kJson) std::fputs(json_line(r).c_str(), stdout);
    if (!options.plot.empty() && r.ok) kept.push_back(std::move(r));
  }
  rt::finish();
  bool output_ok = options.plot.empty() || write_plot(options.plot, kept);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "bvrank-cli: cannot write standard output\n");
    output_ok = false;
  }
  if (!output_ok) return kExitUsage;
  return all_ok ? kExitOk : kExitAnalysisFailed;
}
