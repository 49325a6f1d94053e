// Only a report file that an analysis wrote is ever copied and deleted, and
// an output file is only replaced when there is a report to put into it, so
// a repeated Save cannot empty a file the user picked.
#include "analysis/save_copy.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "analysis/common_blocks.h"
#include "analysis/input_file.h"
#include "analysis/report.h"
#include "runtime/units.h"

namespace bvrank {
namespace {

bool same_file(std::string_view a, std::string_view b) {
  std::error_code ec;
  return std::filesystem::equivalent(rt::file_name_text(a), rt::file_name_text(b), ec) && !ec;
}

void open_for_copy(int unit, std::string_view name) {
  rt::OpenRequest r;
  r.unit = unit;
  r.file = name;
  r.status = rt::FileStatus::kUnknown;
  rt::open_unit(r).or_stop();
}

}  // namespace

SaveResult copy_report_to(std::string_view chosen_path) {
  if (chosen_path.size() > static_cast<std::size_t>(kPathLength)) return SaveResult::kPathTooLong;
  if (!report_file_on_disk()) return SaveResult::kNoReport;
  if (same_file(chosen_path, IN_AND_OUT.OUTNAME.view())) return SaveResult::kSameFile;

  IN_AND_OUT.SAVENAME.assign(chosen_path);
  IN_AND_OUT_LEN.SAVELEN = static_cast<std::int32_t>(chosen_path.size());
  if (chosen_path.size() < static_cast<std::size_t>(kPathLength)) {
    IN_AND_OUT.SAVENAME.at(chosen_path.size() + 1) = '\0';
    ++IN_AND_OUT_LEN.SAVELEN;  // the count includes the NUL
  }

  open_for_copy(kReportUnit, IN_AND_OUT.OUTNAME.view());
  open_for_copy(kOutputUnit, IN_AND_OUT.SAVENAME.view());
  std::string line;
  for (;;) {
    const rt::IoStatus s = rt::read_record(kReportUnit, line);
    if (s.is_end()) break;
    s.or_stop();
    rt::write_record(kOutputUnit, line).or_stop();
  }
  rt::close_unit(kReportUnit, rt::CloseStatus::kDelete).or_stop();
  note_report_file_written(false);
  rt::close_unit(kOutputUnit, rt::CloseStatus::kKeep).or_stop();
  return SaveResult::kSaved;
}

}  // namespace bvrank
