// Numbered units: OPEN, CLOSE, sequential record READ and WRITE, the
// existence query and the finish step. Disk files hold one record per line;
// a record written to a file ends with CR LF, and LF or CR LF both end a
// record that is read. Console and window units go to the installed console
// device. Every operation returns an IoStatus; a caller without an error
// branch calls or_stop() on it, which reports the failure and stops the
// program.
#pragma once

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/console_device.h"

namespace rt {

enum class IoOutcome { kOk, kEnd, kError };

class [[nodiscard]] IoStatus {
 public:
  static IoStatus ok() { return IoStatus(IoOutcome::kOk, {}); }
  static IoStatus end(std::string what) { return IoStatus(IoOutcome::kEnd, std::move(what)); }
  static IoStatus error(std::string what) { return IoStatus(IoOutcome::kError, std::move(what)); }

  bool is_ok() const { return outcome_ == IoOutcome::kOk; }
  bool is_end() const { return outcome_ == IoOutcome::kEnd; }
  bool is_error() const { return outcome_ == IoOutcome::kError; }
  IoOutcome outcome() const { return outcome_; }
  const std::string& report() const { return report_; }

  // No error branch: any outcome but kOk reports and stops the program.
  void or_stop() const;

 private:
  IoStatus(IoOutcome outcome, std::string report) : outcome_(outcome), report_(std::move(report)) {}
  IoOutcome outcome_;
  std::string report_;
};

enum class FileStatus { kOld, kNew, kUnknown };
enum class Action { kReadWrite, kRead, kWrite };

struct OpenRequest {
  int unit = 0;
  std::string file;  // trailing blanks and NULs are cut
  FileStatus status = FileStatus::kUnknown;
  Action action = Action::kReadWrite;
  bool blank_null = true;              // BLANK='NULL': blanks in number fields ignored
  bool prompt_for_blank_name = false;  // the compiled OPEN's file-name prompt request
  std::optional<std::string> title;    // TITLE=, window units only
  std::optional<bool> iofocus;         // IOFOCUS=, window units only
};

enum class CloseStatus { kDefault, kKeep, kDelete };

IoStatus open_unit(const OpenRequest& request);
IoStatus close_unit(int unit, CloseStatus status = CloseStatus::kDefault);

// Reads the next record of `unit` (its whole text, without the line end).
IoStatus read_record(int unit, std::string& record);
// Reads the records of one unit in turn with one look-up and lock per block
// of records instead of one per record: the unit hands over every complete
// line its read buffer holds, and next() cuts them apart in place. Each
// record is valid until the next call; the lines handed over count as read.
// For the one thread that reads the unit while it stays open; restart()
// after the unit is opened again.
class RecordReader {
 public:
  explicit RecordReader(int unit) : unit_(unit) {}
  void restart() { next_ = end_ = nullptr; }
  // Cuts the next line out of the block at hand, or gets the next block.
  IoStatus next(std::string_view& record) {
    if (next_at_hand(record)) return IoStatus::ok();
    return next_from_unit(record);
  }
  // The usual case of next(), without a status to build: true when the
  // block at hand holds the next line whole.
  bool next_at_hand(std::string_view& record) {
    if (next_ == end_) return false;
    const auto* lf = static_cast<const char*>(
        std::memchr(next_, '\n', static_cast<std::size_t>(end_ - next_)));
    if (lf == nullptr) return false;
    record = std::string_view(next_, static_cast<std::size_t>(lf - next_));
    next_ = lf + 1;
    if (!record.empty() && record.back() == '\r') record.remove_suffix(1);
    return true;
  }
  // The rest of next(), after next_at_hand() said false: the last line of a
  // file without its line end, or a new block from the unit.
  IoStatus next_from_unit(std::string_view& record);

 private:
  int unit_;
  const char* next_ = nullptr;
  const char* end_ = nullptr;
};

// Writes one record to `unit`.
IoStatus write_record(int unit, std::string_view record);
// Writes the records of `records`, each ended by a LF there, to `unit`, as
// that many write_record calls would, with one look-up and lock for all.
IoStatus write_records(int unit, std::string_view records);
// Output without a unit, as WRITE(*, ...): a record for the console.
IoStatus write_console(std::string_view record);

// The existence query: is there a file of this name (cut at its first NUL
// and trailing blanks)?
bool file_exists(std::string_view name);

// The connection of an open console or window unit; units 0, 5 and 6 are
// first opened with their defaults when `open_preconnected` is set. Empty
// for other units, disk files and negative numbers; the query adds no unit
// to the table.
std::optional<UnitConnection> device_connection(int unit, bool open_preconnected);
// The console or window unit connected to `window`, if any.
std::optional<UnitConnection> unit_for_window(int window);
// Completes the pending line end of every console or window unit for which
// `shows_window` is true (before text calls that read or move the text
// position of that window).
void complete_pending_lines(const std::function<bool(const UnitConnection&)>& shows_window);

// How many units the table knows (open ones and ones used before).
std::size_t known_unit_count();

// A thread for which `serve` returns true never blocks on a unit that
// another thread uses: it calls `serve` between short waits instead (the
// windowed shell's GUI thread serves the messages sent to it, which the
// unit's holder may be waiting for). Null restores plain blocking.
void set_unit_wait_service(bool (*serve)());

// Closes every open unit, completing pending line ends; run at program end.
void finish();

// The name a file operation uses: cut at the first NUL, trailing blanks removed.
std::string file_name_text(std::string_view name);

}  // namespace rt
