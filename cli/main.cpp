// bvrank-cli: the analysis without windows, for batch use. Each PDB file is
// analysed exactly as the windowed program does (same reader, same report
// file beside the input); the screen lines go to standard output.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "analysis/common_blocks.h"
#include "analysis/input_file.h"
#include "analysis/read_pdb.h"
#include "runtime/error_stop.h"
#include "runtime/fixed_text.h"
#include "runtime/units.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitAnalysisFailed = 1;
constexpr int kExitUsage = 2;  // also run-time stops
constexpr const char* kVersion = "0.1.0";

void print_usage(std::FILE* to) {
  std::fprintf(to,
               "Usage: bvrank-cli FILE.pdb...\n"
               "Ranks the residues of each chain of a PDB file by their averaged B values.\n"
               "For each file the report is printed on standard output and written in full\n"
               "to a report file beside it (the name with \"pdb\" replaced by \"out\").\n"
               "The name must end in \"pdb\" or \"PDB\" and be at most 100 characters.\n"
               "\n"
               "  --help     show this help\n"
               "  --version  show the version\n"
               "\n"
               "Exit status: 0 all files analysed, 1 an analysis failed, 2 usage or I/O error.\n");
}

[[noreturn]] void stop_program(const std::string& report) {
  rt::finish();
  std::fflush(stdout);
  std::fprintf(stderr, "bvrank-cli: %s\n", report.c_str());
  std::exit(kExitUsage);
}

bool ends_in_pdb(std::string_view name) {
  return name.size() >= 3 &&
         (name.substr(name.size() - 3) == "pdb" || name.substr(name.size() - 3) == "PDB");
}

// Checks every argument before any file is analysed; empty string when all are usable.
std::string argument_error(const std::vector<std::string>& files) {
  for (const std::string& f : files) {
    if (!ends_in_pdb(f)) return f + ": not a PDB file name (it must end in \"pdb\" or \"PDB\")";
    if (f.size() > static_cast<std::size_t>(bvrank::kPathLength)) {
      return f + ": path longer than 100 characters";
    }
  }
  return {};
}

// Runs one analysis; true when it succeeded.
bool analyse(const std::string& path) {
  bvrank::set_input_name(path);
  std::int32_t status = 0;
  bvrank::READ_PDB(status);
  if (status == bvrank::kStatusDone) return true;
  const bvrank::StatusMessage m = bvrank::status_message(status);
  rt::finish();  // complete the last screen line before the message
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", std::string(rt::trim_trailing_blanks(m.text)).c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // screen lines end in LF on every platform
#endif
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      print_usage(stdout);
      return kExitOk;
    }
    if (arg == "--version") {
      std::printf("bvrank-cli %s\n", kVersion);
      return kExitOk;
    }
    if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "bvrank-cli: unknown option %s\n", arg.c_str());
      print_usage(stderr);
      return kExitUsage;
    }
    files.push_back(arg);
  }
  if (files.empty()) {
    print_usage(stderr);
    return kExitUsage;
  }
  if (const std::string error = argument_error(files); !error.empty()) {
    std::fprintf(stderr, "bvrank-cli: %s\n", error.c_str());
    return kExitUsage;
  }
  rt::set_stop_routine(stop_program);
  bool all_ok = true;
  for (const std::string& f : files) all_ok = analyse(f) && all_ok;
  rt::finish();
  std::fflush(stdout);
  return all_ok ? kExitOk : kExitAnalysisFailed;
}
