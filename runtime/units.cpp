// The unit table. Each unit has its own lock, so that a slow device write
// on one thread never blocks a file operation of another thread; the table
// lock only guards finding, adding and removing units.
#include "runtime/units.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>

#include "runtime/error_stop.h"
#include "runtime/fixed_text.h"
#include "runtime/pause_gate.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace rt {
namespace {

enum class LastOp { kNone, kRead, kWrite };

struct Unit {
  std::recursive_timed_mutex mutex;  // a device may call back into the run-time
  bool open = false;
  UnitConnection connection;  // for console and window units
  std::FILE* file = nullptr;  // for disk files
  std::string path;
  Action action = Action::kReadWrite;
  LastOp last_op = LastOp::kNone;
  bool at_end = false;
  // Read-ahead of a file opened for reading only. Nothing else moves such
  // a file's position, so records are cut straight out of large blocks
  // instead of being read a character at a time, and shown in place.
  std::unique_ptr<char[]> ahead;
  std::size_t ahead_size = 0;
  std::size_t ahead_pos = 0;
  std::size_t ahead_end = 0;
  std::string scratch;  // the last record of a unit read without read-ahead
};

std::mutex g_table_mutex;
std::map<int, std::shared_ptr<Unit>> g_table;
std::atomic<bool (*)()> g_wait_service{nullptr};

// Holds a unit's lock; a thread that must not block serves its waiting
// work between short attempts instead.
class UnitLock {
 public:
  explicit UnitLock(Unit& u) : mutex_(u.mutex) {
    bool (*serve)() = g_wait_service.load();
    while (serve != nullptr && !mutex_.try_lock_for(std::chrono::milliseconds(2))) {
      if (!serve()) serve = nullptr;
    }
    if (serve == nullptr) mutex_.lock();
  }
  ~UnitLock() { mutex_.unlock(); }
  UnitLock(const UnitLock&) = delete;
  UnitLock& operator=(const UnitLock&) = delete;

 private:
  std::recursive_timed_mutex& mutex_;
};
constexpr int kNoUnit = -1;  // WRITE(*) and READ(*)

std::shared_ptr<Unit> find_or_add(int number) {
  std::lock_guard<std::mutex> lock(g_table_mutex);
  auto& slot = g_table[number];
  if (!slot) slot = std::make_shared<Unit>();
  return slot;
}

// The unit if the table knows it; a query never adds one.
std::shared_ptr<Unit> find_unit(int number) {
  std::lock_guard<std::mutex> lock(g_table_mutex);
  const auto it = g_table.find(number);
  return it != g_table.end() ? it->second : nullptr;
}

std::string unit_label(int number, const std::string& name) {
  std::string label =
      number == kNoUnit ? std::string("console output") : "unit " + std::to_string(number);
  if (!name.empty()) label += ", file " + name;
  return label;
}

std::string system_reason() {
  return std::error_code(errno, std::generic_category()).message();
}

bool is_device(DeviceKind kind) {
  return kind != DeviceKind::kFile;
}

// Default file of a unit used without OPEN: the FORTn variable, else the
// console for 0, 5 and 6, else fort.n.
std::string default_file_name(int number) {
  const std::string var = "FORT" + std::to_string(number);
  if (const char* v = std::getenv(var.c_str()); v != nullptr && *v != '\0') return v;
  if (number == 5) return "CONIN$";
  if (number == 0 || number == 6) return "CONOUT$";
  return "fort." + std::to_string(number);
}

bool is_preconnected(int number) {
  return number == 0 || number == 5 || number == 6;
}

IoStatus open_file(Unit& u, const std::string& name, const OpenRequest& r) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(name, ec);
  const std::string label = unit_label(r.unit, name);
  if (r.status == FileStatus::kOld && !exists) {
    return IoStatus::error("open failed: " + label + ": file not found");
  }
  if (r.status == FileStatus::kNew && exists) {
    return IoStatus::error("open failed: " + label + ": file already exists");
  }
  const char* mode = "r+b";
  if (r.action == Action::kRead) {
    mode = "rb";
  } else if (!exists) {
    mode = "w+b";
  }
  std::FILE* f = std::fopen(name.c_str(), mode);
  if (f == nullptr) return IoStatus::error("open failed: " + label + ": " + system_reason());
  // A read-only file is read a block at a time into the unit's own read-ahead
  // buffer: without a buffer of the stream's own, each block is one read
  // straight into it.
  if (r.action == Action::kRead) std::setvbuf(f, nullptr, _IONBF, 0);
  u.file = f;
  u.path = name;
  u.action = r.action;
  u.last_op = LastOp::kNone;
  u.at_end = false;
  u.ahead_pos = u.ahead_end = 0;
  return IoStatus::ok();
}

IoStatus open_device(Unit& u, const std::string& name, DeviceKind kind, const OpenRequest& r) {
  if (kind == DeviceKind::kPrinterOrPort || kind == DeviceKind::kAuxPort) {
    return IoStatus::error("open failed: " + unit_label(r.unit, name) + ": device not available");
  }
  UnitConnection c;
  c.unit = r.unit;
  c.kind = kind;
  c.file = name;
  c.window_unit = kind == DeviceKind::kWindow;
  std::string why;
  if (kind != DeviceKind::kNull && !console_device().connect(c, r.title, r.iofocus, why)) {
    return IoStatus::error("open failed: " + unit_label(r.unit, name) + ": " + why);
  }
  u.connection = c;
  u.path.clear();
  return IoStatus::ok();
}

// Connects `u` (locked) per `r`, cutting the name and prompting for a blank
// one when the request asks for that.
IoStatus connect_unit(Unit& u, const OpenRequest& r) {
  std::string name = file_name_text(r.file);
  const std::size_t first = name.find_first_not_of(' ');
  if (first == std::string::npos && r.prompt_for_blank_name) {
    if (!console_device().prompt_file_name(r.unit, name)) {
      return IoStatus::error("open failed: " + unit_label(r.unit, "") + ": no file name given");
    }
    name = file_name_text(name);
  }
  if (name.find_first_not_of(' ') == std::string::npos) {
    return IoStatus::error("open failed: " + unit_label(r.unit, "") + ": empty file name");
  }
  const DeviceKind kind = classify_file_name(name);
  const bool window_like = kind == DeviceKind::kWindow || kind == DeviceKind::kConsoleOut;
  if (r.title && !window_like) {
    return IoStatus::error("open failed: " + unit_label(r.unit, name) +
                           ": TITLE illegal with non-window unit");
  }
  if (r.iofocus && !window_like) {
    return IoStatus::error("open failed: " + unit_label(r.unit, name) +
                           ": IOFOCUS illegal with non-window unit");
  }
  IoStatus s = is_device(kind) ? open_device(u, name, kind, r) : open_file(u, name, r);
  if (s.is_ok()) {
    u.open = true;
    u.connection.unit = r.unit;
    u.connection.kind = kind;
    u.connection.file = name;
  }
  return s;
}

// Completes an owed line end of a console or window unit.
bool complete_line(Unit& u) {
  if (!u.connection.line_end_pending) return true;
  u.connection.line_end_pending = false;
  return console_device().write(u.connection, "\n");
}

IoStatus close_locked(Unit& u, int number, CloseStatus status) {
  if (!u.open) return IoStatus::ok();  // closing an unconnected unit does nothing
  u.open = false;
  if (u.file == nullptr) {
    complete_line(u);
    if (u.connection.kind != DeviceKind::kNull) {
      console_device().disconnect(u.connection, status == CloseStatus::kKeep);
    }
    u.connection = UnitConnection{};
    return IoStatus::ok();
  }
  const std::string label = unit_label(number, u.path);
  const bool closed = std::fclose(u.file) == 0;
  u.file = nullptr;
  if (!closed) return IoStatus::error("close failed: " + label + ": " + system_reason());
  if (status == CloseStatus::kDelete && std::remove(u.path.c_str()) != 0) {
    return IoStatus::error("close failed: " + label + ": cannot delete: " + system_reason());
  }
  return IoStatus::ok();
}

// Opens a unit used without OPEN with its default connection; the unit of
// WRITE(*) and READ(*) is the console and always takes the focus.
IoStatus open_default(Unit& u, int number, Action action) {
  if (number == kNoUnit) {
    u.open = true;
    u.connection = UnitConnection{};
    u.connection.unit = kNoUnit;
    u.connection.kind = action == Action::kRead ? DeviceKind::kConsoleIn : DeviceKind::kConsoleOut;
    u.connection.iofocus = true;
    return IoStatus::ok();
  }
  const std::string name = default_file_name(number);
  OpenRequest r;
  r.unit = number;
  r.file = name;
  r.action = action;
  return connect_unit(u, r);
}

// Cuts the open file `f` at `length` bytes, through its descriptor.
bool cut_open_file(std::FILE* f, long length) {
#ifdef _WIN32
  return _chsize_s(_fileno(f), length) == 0;
#else
  return ftruncate(fileno(f), length) == 0;
#endif
}

// A sequential WRITE makes its record the last one of the file: the first
// write after opening or reading cuts the file at the current position, so
// an existing file is replaced from there on.
bool start_writing(Unit& u) {
  if (u.last_op == LastOp::kWrite) return true;
  const long pos = std::ftell(u.file);
  if (pos < 0 || std::fflush(u.file) != 0 || !cut_open_file(u.file, pos)) return false;
  if (std::fseek(u.file, pos, SEEK_SET) != 0) return false;
  u.last_op = LastOp::kWrite;
  return true;
}

// Records are buffered; a failure that shows only when the buffer is
// written out is reported by the CLOSE, so it still stops the program.
IoStatus write_file_record(Unit& u, int number, std::string_view record) {
  if (u.action == Action::kRead) {
    return IoStatus::error("write failed: " + unit_label(number, u.path) + ": read-only");
  }
  bool written = start_writing(u);
  char line[256];  // a short record goes out with its line end in one call
  if (written && record.size() + 2 <= sizeof line) {
    std::memcpy(line, record.data(), record.size());
    std::memcpy(line + record.size(), "\r\n", 2);
    written = std::fwrite(line, 1, record.size() + 2, u.file) == record.size() + 2;
  } else if (written) {
    written = std::fwrite(record.data(), 1, record.size(), u.file) == record.size() &&
              std::fwrite("\r\n", 1, 2, u.file) == 2;
  }
  if (!written)
    return IoStatus::error("write failed: " + unit_label(number, u.path) + ": " + system_reason());
  return IoStatus::ok();
}

IoStatus write_device_record(Unit& u, std::string_view record) {
  const std::string label = unit_label(u.connection.unit, u.connection.file);
  if (u.connection.kind == DeviceKind::kConsoleIn) {
    return IoStatus::error("write failed: " + label + ": unit is for input only");
  }
  if (u.connection.kind == DeviceKind::kNull) return IoStatus::ok();
  if (!complete_line(u) || !console_device().write(u.connection, record)) {
    return IoStatus::error("write failed: " + label + ": the record was not taken");
  }
  u.connection.line_end_pending = true;
  return IoStatus::ok();
}

constexpr std::size_t kReadAheadSize = 64 * 1024;

// The next line of a read-only file, in place in the read-ahead buffer and
// without its LF. False when the file ended (or failed) before a LF; `line`
// then holds what was left. A line that reaches past the buffer's end is
// moved to its front first, and a line longer than the buffer grows it.
bool read_line_ahead(Unit& u, std::string_view& line) {
  std::size_t scanned = 0;  // bytes after ahead_pos known to hold no LF
  for (;;) {
    const char* begin = u.ahead.get() + u.ahead_pos;
    const std::size_t available = u.ahead_end - u.ahead_pos;
    if (available > scanned) {
      const auto* lf =
          static_cast<const char*>(std::memchr(begin + scanned, '\n', available - scanned));
      if (lf != nullptr) {
        const auto length = static_cast<std::size_t>(lf - begin);
        line = std::string_view(begin, length);
        u.ahead_pos += length + 1;
        return true;
      }
      scanned = available;
    }
    if (u.ahead_pos > 0) {
      std::memmove(u.ahead.get(), begin, available);
      u.ahead_pos = 0;
      u.ahead_end = available;
    }
    if (u.ahead_end == u.ahead_size) {
      const std::size_t size = std::max(kReadAheadSize, 2 * u.ahead_size);
      auto grown = std::make_unique<char[]>(size);
      if (u.ahead_end > 0) std::memcpy(grown.get(), u.ahead.get(), u.ahead_end);
      u.ahead = std::move(grown);
      u.ahead_size = size;
    }
    const std::size_t got =
        std::fread(u.ahead.get() + u.ahead_end, 1, u.ahead_size - u.ahead_end, u.file);
    if (got == 0) {
      line = std::string_view(u.ahead.get(), u.ahead_end);
      u.ahead_pos = u.ahead_end;
      return false;
    }
    u.ahead_end += got;
  }
}

// The same for a file that may also be written, whose position the FILE
// must keep exact.
bool read_line_by_char(Unit& u, std::string& record) {
  for (;;) {
    const int c = std::getc(u.file);
    if (c == EOF) return false;
    if (c == '\n') return true;
    record.push_back(static_cast<char>(c));
  }
}

// `record` shows the unit's read-ahead or scratch text, valid until the
// unit's next operation.
IoStatus read_file_record(Unit& u, int number, std::string_view& record) {
  if (u.action == Action::kWrite) {
    return IoStatus::error("read failed: " + unit_label(number, u.path) + ": write-only");
  }
  if (u.last_op == LastOp::kWrite) std::fseek(u.file, 0, SEEK_CUR);
  u.last_op = LastOp::kRead;
  record = {};
  if (u.at_end) return IoStatus::end("end of file: " + unit_label(number, u.path));
  bool line_end = false;
  if (u.action == Action::kRead) {
    line_end = read_line_ahead(u, record);
  } else {
    u.scratch.clear();
    line_end = read_line_by_char(u, u.scratch);
    record = u.scratch;
  }
  if (!line_end) {
    if (std::ferror(u.file)) {
      const std::string reason = system_reason();
      return IoStatus::error("read failed: " + unit_label(number, u.path) + ": " + reason);
    }
    u.at_end = true;
    // A last line without a line end is still a record.
    return record.empty() ? IoStatus::end("end of file: " + unit_label(number, u.path))
                          : IoStatus::ok();
  }
  if (!record.empty() && record.back() == '\r') record.remove_suffix(1);
  return IoStatus::ok();
}

// The last LF in [begin, begin + size), or null.
const char* last_line_end(const char* begin, std::size_t size) {
  for (const char* p = begin + size; p != begin;) {
    if (*--p == '\n') return p;
  }
  return nullptr;
}

// What RecordReader cuts apart: the next line of a read-only file together
// with every complete line after it that the read-ahead holds, line ends
// included; at the end of a file that lacks its last LF, that last line
// alone. Units of other files give one record as it is (`single`).
IoStatus read_file_lines(Unit& u, int number, std::string_view& lines, bool& single) {
  single = u.action != Action::kRead;
  if (single) return read_file_record(u, number, lines);
  u.last_op = LastOp::kRead;
  lines = {};
  if (u.at_end) return IoStatus::end("end of file: " + unit_label(number, u.path));
  std::string_view first;
  if (!read_line_ahead(u, first)) {
    if (std::ferror(u.file)) {
      const std::string reason = system_reason();
      return IoStatus::error("read failed: " + unit_label(number, u.path) + ": " + reason);
    }
    u.at_end = true;
    lines = first;
    return first.empty() ? IoStatus::end("end of file: " + unit_label(number, u.path))
                         : IoStatus::ok();
  }
  const char* rest = u.ahead.get() + u.ahead_pos;
  const char* lf = last_line_end(rest, u.ahead_end - u.ahead_pos);
  const std::size_t more = lf == nullptr ? 0 : static_cast<std::size_t>(lf - rest) + 1;
  u.ahead_pos += more;
  lines = std::string_view(first.data(), static_cast<std::size_t>(rest + more - first.data()));
  return IoStatus::ok();
}

IoStatus read_device_record(Unit& u, std::string& record) {
  const std::string label = unit_label(u.connection.unit, u.connection.file);
  if (u.connection.kind == DeviceKind::kConsoleOut ||
      u.connection.kind == DeviceKind::kConsoleErr) {
    return IoStatus::error("read failed: " + label + ": unit is for output only");
  }
  if (u.connection.kind == DeviceKind::kNull) return IoStatus::end("end of file: " + label);
  complete_line(u);
  switch (console_device().read_line(u.connection, record)) {
    case DeviceRead::kOk:
      return IoStatus::ok();
    case DeviceRead::kEnd:
      return IoStatus::end("end of file: " + label);
    case DeviceRead::kError:
      break;
  }
  return IoStatus::error("read failed: " + label);
}

// Runs `op` on the locked unit, opening it with its defaults first when it
// was never opened.
template <typename Op>
IoStatus with_open_unit(int number, Action action, Op op) {
  std::shared_ptr<Unit> u = find_or_add(number);
  UnitLock lock(*u);
  if (!u->open) {
    IoStatus s = open_default(*u, number, action);
    if (!s.is_ok()) return s;
  }
  return op(*u);
}

}  // namespace

void IoStatus::or_stop() const {
  if (outcome_ == IoOutcome::kOk) return;
  error_stop("Run-time error: " + report_);
}

std::string file_name_text(std::string_view name) {
  const std::size_t nul = name.find('\0');
  if (nul != std::string_view::npos) name = name.substr(0, nul);
  return std::string(trim_trailing_blanks_and_nuls(name));
}

IoStatus open_unit(const OpenRequest& request) {
  PausePoint pause_point;
  std::shared_ptr<Unit> u = find_or_add(request.unit);
  UnitLock lock(*u);
  if (u->open) {
    const std::string name = file_name_text(request.file);
    // OPEN of a console unit that names USER keeps the console connection.
    if (u->file == nullptr && u->connection.kind == DeviceKind::kConsoleOut &&
        classify_file_name(name) == DeviceKind::kWindow) {
      if (request.iofocus) u->connection.iofocus = *request.iofocus;
      return IoStatus::ok();
    }
    IoStatus s = close_locked(*u, request.unit, CloseStatus::kKeep);
    if (!s.is_ok()) return s;
  }
  return connect_unit(*u, request);
}

IoStatus close_unit(int unit, CloseStatus status) {
  PausePoint pause_point;
  std::shared_ptr<Unit> u = find_or_add(unit);
  UnitLock lock(*u);
  return close_locked(*u, unit, status);
}

IoStatus read_record(int unit, std::string& record) {
  PausePoint pause_point;
  return with_open_unit(unit, Action::kRead, [&](Unit& u) {
    if (u.file == nullptr) return read_device_record(u, record);
    std::string_view text;
    IoStatus s = read_file_record(u, unit, text);
    record.assign(text);
    return s;
  });
}

IoStatus RecordReader::next_from_unit(std::string_view& record) {
  if (next_ == end_) {
    std::string_view lines;
    bool single = true;
    IoStatus s = with_open_unit(unit_, Action::kRead, [&](Unit& u) {
      if (u.file != nullptr) return read_file_lines(u, unit_, lines, single);
      IoStatus d = read_device_record(u, u.scratch);
      lines = u.scratch;
      return d;
    });
    if (!s.is_ok() || single) {
      restart();
      record = s.is_ok() ? lines : std::string_view();
      return s;
    }
    next_ = lines.data();
    end_ = next_ + lines.size();
    if (next_at_hand(record)) return IoStatus::ok();
  }
  // The file's last line, which had no line end.
  record = std::string_view(next_, static_cast<std::size_t>(end_ - next_));
  next_ = end_;
  return IoStatus::ok();
}

IoStatus write_record(int unit, std::string_view record) {
  PausePoint pause_point;
  return with_open_unit(unit, Action::kWrite, [&](Unit& u) {
    return u.file != nullptr ? write_file_record(u, unit, record) : write_device_record(u, record);
  });
}

IoStatus write_records(int unit, std::string_view records) {
  return with_open_unit(unit, Action::kWrite, [&](Unit& u) {
    if (u.file == nullptr || u.action == Action::kRead) {
      for (std::size_t start = 0; start < records.size();) {
        const std::size_t lf = records.find('\n', start);
        const std::size_t end = lf == std::string_view::npos ? records.size() : lf;
        IoStatus s = u.file != nullptr
                         ? write_file_record(u, unit, records.substr(start, end - start))
                         : write_device_record(u, records.substr(start, end - start));
        if (!s.is_ok()) return s;
        start = end + 1;
      }
      return IoStatus::ok();
    }
    // A disk file takes them all at once, each LF made the CR LF that ends
    // a record there, in a buffer left uninitialised with room for the worst
    // case (every character a LF).
    const std::unique_ptr<char[]> text(new char[2 * records.size() + 2]);
    char* out = text.get();
    const char* next = records.data();
    const char* const end = next + records.size();
    while (next != end) {
      const auto* lf =
          static_cast<const char*>(std::memchr(next, '\n', static_cast<std::size_t>(end - next)));
      const char* const record_end = lf != nullptr ? lf : end;
      std::memcpy(out, next, static_cast<std::size_t>(record_end - next));
      out += record_end - next;
      *out++ = '\r';
      *out++ = '\n';
      next = lf != nullptr ? lf + 1 : end;
    }
    const auto size = static_cast<std::size_t>(out - text.get());
    const bool written = start_writing(u) && std::fwrite(text.get(), 1, size, u.file) == size;
    if (!written)
      return IoStatus::error("write failed: " + unit_label(unit, u.path) + ": " + system_reason());
    return IoStatus::ok();
  });
}

IoStatus write_console(std::string_view record) {
  return write_record(kNoUnit, record);
}

bool file_exists(std::string_view name) {
  PausePoint pause_point;
  const std::string path = file_name_text(name);
  if (path.empty()) return false;
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

std::optional<UnitConnection> device_connection(int unit, bool open_preconnected) {
  PausePoint pause_point;
  // Unit numbers are not negative; -1 stands only for output without a unit.
  if (unit < 0) return std::nullopt;
  const bool opens = open_preconnected && is_preconnected(unit);
  std::shared_ptr<Unit> u = opens ? find_or_add(unit) : find_unit(unit);
  if (!u) return std::nullopt;
  UnitLock lock(*u);
  if (!u->open && opens) {
    if (!open_default(*u, unit, unit == 5 ? Action::kRead : Action::kWrite).is_ok()) {
      return std::nullopt;
    }
  }
  if (!u->open || u->file != nullptr) return std::nullopt;
  return u->connection;
}

// A copy of the table, so that no unit lock is taken under the table lock.
std::map<int, std::shared_ptr<Unit>> table_snapshot() {
  std::lock_guard<std::mutex> lock(g_table_mutex);
  return g_table;
}

std::optional<UnitConnection> unit_for_window(int window) {
  PausePoint pause_point;
  for (auto& [number, u] : table_snapshot()) {
    UnitLock lock(*u);
    if (number != kNoUnit && u->open && u->file == nullptr && u->connection.window_unit &&
        u->connection.window == window) {
      return u->connection;
    }
  }
  return std::nullopt;
}

void complete_pending_lines(const std::function<bool(const UnitConnection&)>& shows_window) {
  PausePoint pause_point;
  for (auto& [number, u] : table_snapshot()) {
    // A unit busy on another thread completes its own line; it may be a read
    // waiting for keys that only the calling thread can deliver.
    std::unique_lock<std::recursive_timed_mutex> lock(u->mutex, std::try_to_lock);
    if (!lock.owns_lock()) continue;
    if (u->open && u->file == nullptr && u->connection.line_end_pending &&
        shows_window(u->connection)) {
      complete_line(*u);
    }
  }
}

void set_unit_wait_service(bool (*serve)()) {
  g_wait_service.store(serve);
}

std::size_t known_unit_count() {
  std::lock_guard<std::mutex> lock(g_table_mutex);
  return g_table.size();
}

void finish() {
  PausePoint pause_point;
  for (auto& [number, u] : table_snapshot()) {
    // A unit busy on another thread (which may itself be waiting for the
    // thread that ends the program) is left to the end of the process
    // rather than waited for.
    std::unique_lock<std::recursive_timed_mutex> lock(u->mutex, std::defer_lock);
    if (!lock.try_lock_for(std::chrono::milliseconds(250))) continue;
    (void)close_locked(*u, number, CloseStatus::kDefault);
  }
}

}  // namespace rt
