// Timing of the whole analysis (READ_PDB: read, rank, report to a discarding
// console and the report file) against two yardsticks on the same files: a
// loop that only reads the lines, and gemmi's PDB reader. Prints the times
// and the ratios; it never judges them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gemmi/pdb.hpp>
#include <map>
#include <string>
#include <vector>

#include "analysis/input_file.h"
#include "analysis/read_pdb.h"
#include "analysis/tables.h"
#include "bench/synthetic_pdb.h"
#include "runtime/console_device.h"
#include "runtime/units.h"

namespace {

namespace fs = std::filesystem;

// The screen of the benchmark: takes every record and shows nothing, so
// only the analysis and the report file are timed.
class NullConsole : public rt::ConsoleDevice {
 public:
  bool connect(rt::UnitConnection&, const std::optional<std::string>&, std::optional<bool>,
               std::string&) override {
    return true;
  }
  bool write(const rt::UnitConnection&, std::string_view) override { return true; }
  rt::DeviceRead read_line(const rt::UnitConnection&, std::string&) override {
    return rt::DeviceRead::kEnd;
  }
  void disconnect(rt::UnitConnection&, bool) override {}
  bool prompt_file_name(int, std::string&) override { return false; }
};

// The input files live in a scratch directory, because the analysis writes
// its report file beside its input.
struct InputFile {
  std::string label;
  std::string path;
};

void analyse(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    bvrank::set_input_name(path);
    std::int32_t status = 0;
    bvrank::READ_PDB(status);
    if (status != bvrank::kStatusDone) {
      state.SkipWithError(("READ_PDB status " + std::to_string(status)).c_str());
      return;
    }
    benchmark::DoNotOptimize(bvrank::residues.NRES);
  }
  state.counters["atoms"] = bvrank::atoms.NATOM;
}

void getline_only(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::size_t lines = 0;
    while (std::getline(in, line)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
}

constexpr int kLinesUnit = 9;  // any unit the analysis does not use

void read_record_only(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    rt::OpenRequest r;
    r.unit = kLinesUnit;
    r.file = path;
    r.status = rt::FileStatus::kOld;
    r.action = rt::Action::kRead;
    rt::open_unit(r).or_stop();
    std::string record;
    std::size_t lines = 0;
    while (rt::read_record(kLinesUnit, record).is_ok()) ++lines;
    rt::close_unit(kLinesUnit).or_stop();
    benchmark::DoNotOptimize(lines);
  }
}

void gemmi_reader(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    gemmi::Structure st = gemmi::read_pdb_file(path);
    benchmark::DoNotOptimize(st.models.size());
  }
}

// The benchmarks of one file, in print order; the first is ours.
const char* const kKinds[] = {"READ_PDB", "getline", "read_record", "gemmi"};

// Shows the usual table, and keeps each benchmark's median wall-clock and
// CPU time per iteration for the summary. On a busy machine the CPU times
// (user and system) give the steadier ratios.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.iterations == 0) continue;
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (!single && !median) continue;
      // Every benchmark reports in milliseconds.
      times_[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }
  }

  void print_summary(const std::vector<InputFile>& files) const {
    print_table(files, "wall-clock", [](const Times& t) { return t.real; });
    print_table(files, "CPU", [](const Times& t) { return t.cpu; });
    std::printf(
        "(a) = std::getline over every line of the file; (b) = gemmi::read_pdb_file.\n"
        "Targets: ours/(a) at most 2x, ours/(b) at most 0.2x. Median of the repetitions.\n");
  }

 private:
  struct Times {
    double real;
    double cpu;
  };

  template <typename Pick>
  void print_table(const std::vector<InputFile>& files, const char* kind, Pick pick) const {
    std::printf("\n%-10s %-16s %10s %10s %12s %10s %9s %12s %9s\n", kind, "file", "READ_PDB",
                "getline", "read_record", "gemmi", "ours/(a)", "ours/record", "ours/(b)");
    for (const InputFile& f : files) {
      double t[4] = {0, 0, 0, 0};
      bool complete = true;
      for (int k = 0; k < 4; ++k) {
        auto it = times_.find(std::string(kKinds[k]) + "/" + f.label);
        if (it == times_.end()) {
          complete = false;
        } else {
          t[k] = pick(it->second);
        }
      }
      if (!complete) {
        std::printf("%-10s %-16s (not all benchmarks ran)\n", kind, f.label.c_str());
        continue;
      }
      std::printf("%-10s %-16s %7.3f ms %7.3f ms %9.3f ms %7.3f ms %8.2fx %11.2fx %8.2fx\n", kind,
                  f.label.c_str(), t[0], t[1], t[2], t[3], t[0] / t[1], t[0] / t[2], t[0] / t[3]);
    }
  }

  std::map<std::string, Times> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;

  // The scratch directory lies in memory where the system has such a file
  // system: on a disk, rewriting the same report file thousands of times a
  // second makes each run wait for the disk's write-back of the previous
  // run's file, which a user analysing a file never waits for.
  std::string dir_template = "/tmp/bvrank-bench-XXXXXX";
  std::error_code shm_error;
  if (fs::is_directory("/dev/shm", shm_error)) dir_template = "/dev/shm/bvrank-bench-XXXXXX";
  if (mkdtemp(dir_template.data()) == nullptr) {
    dir_template = "/tmp/bvrank-bench-XXXXXX";
    if (mkdtemp(dir_template.data()) == nullptr) {
      std::perror("bvrank_bench: scratch directory");
      return 1;
    }
  }
  const std::string dir = dir_template;
  std::printf("input and report files in %s\n", dir.c_str());
  std::vector<InputFile> files = {{"synthetic_10000", dir + "/synthetic.pdb"},
                                  {"1tii", dir + "/1tii.pdb"}};
  std::ofstream(files[0].path, std::ios::binary)
      << bench_support::synthetic_pdb(bvrank::kAtomCapacity);
  fs::copy_file(std::string(BVRANK_TEST_DATA) + "/1tii.pdb", files[1].path);

  NullConsole console;
  rt::set_console_device(&console);

  for (const InputFile& f : files) {
    const std::string path = f.path;
    using Fn = void (*)(benchmark::State&, const std::string&);
    const Fn fns[] = {analyse, getline_only, read_record_only, gemmi_reader};
    for (int k = 0; k < 4; ++k) {
      const std::string name = std::string(kKinds[k]) + "/" + f.label;
      benchmark::RegisterBenchmark(name.c_str(), fns[k], path)
          ->Unit(benchmark::kMillisecond)
          ->MinTime(0.2)
          ->Repetitions(5)
          ->ReportAggregatesOnly(true);
    }
  }

  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.print_summary(files);

  rt::finish();
  rt::set_console_device(nullptr);
  std::error_code ec;
  fs::remove_all(dir, ec);
  benchmark::Shutdown();
  return 0;
}
