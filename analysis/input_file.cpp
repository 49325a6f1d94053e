// Name derivation and status messages shared by the windowed program and
// the command-line front end.
#include "analysis/input_file.h"

#include <utility>

#include "analysis/common_blocks.h"
#include "analysis/read_pdb.h"
#include "runtime/units.h"

namespace bvrank {
namespace {

bool g_report_written = false;
std::string g_stand_in;

void store_path(PathField& field, std::string_view path) {
  field.assign(path);
  if (path.size() < field.size()) field.at(path.size() + 1) = '\0';
}

}  // namespace

bool set_input_name(std::string_view path) {
  IN_AND_OUT.INNAME.fill(' ');
  IN_AND_OUT.OUTNAME.fill(' ');
  const std::size_t n = path.size();
  if (n < 3 || n > static_cast<std::size_t>(kPathLength)) return false;
  store_path(IN_AND_OUT.INNAME, path);
  std::string report(path.substr(0, n - 3));
  report += "out";
  store_path(IN_AND_OUT.OUTNAME, report);
  IN_AND_OUT_LEN.INLEN = static_cast<std::int32_t>(n);
  IN_AND_OUT_LEN.OUTLEN = static_cast<std::int32_t>(n);
  return true;
}

bool set_input_and_report_names(std::string_view input, std::string_view report) {
  IN_AND_OUT.INNAME.fill(' ');
  IN_AND_OUT.OUTNAME.fill(' ');
  if (input.empty() || report.empty()) return false;
  store_path(IN_AND_OUT.INNAME, input);
  store_path(IN_AND_OUT.OUTNAME, report);
  IN_AND_OUT_LEN.INLEN = static_cast<std::int32_t>(input.size());
  IN_AND_OUT_LEN.OUTLEN = static_cast<std::int32_t>(report.size());
  return true;
}

std::string input_file_to_read() {
  return g_stand_in.empty() ? rt::file_name_text(IN_AND_OUT.INNAME.view()) : g_stand_in;
}

void read_input_from(std::string stand_in) {
  g_stand_in = std::move(stand_in);
}

bool has_pdb_extension() {
  const int n = IN_AND_OUT_LEN.INLEN;
  if (n < 3) return false;
  const std::string_view ext =
      IN_AND_OUT.INNAME.sub(static_cast<std::size_t>(n - 2), static_cast<std::size_t>(n));
  return ext == "pdb" || ext == "PDB";
}

bool report_file_on_disk() {
  return g_report_written && rt::file_exists(IN_AND_OUT.OUTNAME.view());
}

void note_report_file_written(bool written) {
  g_report_written = written;
}

void delete_previous_report() {
  if (!report_file_on_disk()) return;
  rt::OpenRequest r;
  r.unit = 2;
  r.file = IN_AND_OUT.OUTNAME.view();
  r.status = rt::FileStatus::kOld;
  if (rt::open_unit(r).is_ok()) rt::close_unit(2, rt::CloseStatus::kDelete).or_stop();
  g_report_written = false;
}

StatusMessage status_message(std::int32_t status) {
  const std::string path(
      IN_AND_OUT.INNAME.view().substr(0, static_cast<std::size_t>(IN_AND_OUT_LEN.INLEN)));
  switch (status) {
    case kStatusNotFound:
      return {" File not found : " + path, "File open Error"};
    case kStatusNoAtoms:
      return {" No \"ATOM\" records found in input file.", ""};
    case kStatusZeroB:
      return {" B values are ZERO ", ""};
    case kStatusReadError:
      return {" ERROR reading file : " + path, "File read Error"};
    case kStatusEarlyEnd:
      return {" Unexpected end of file : " + path, "File read Error"};
    default:
      return {};
  }
}

}  // namespace bvrank
