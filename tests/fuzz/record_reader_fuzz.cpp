// libFuzzer target for the record reader and the fixed-column conversions.
// Every input is analysed whole as a PDB file by READ_PDB, and every line of
// it also goes straight to the number-field parsers, the column reader and the
// output writers, whose results are checked against independent references.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/common_blocks.h"
#include "analysis/input_file.h"
#include "analysis/read_pdb.h"
#include "analysis/tables.h"
#include "runtime/console_device.h"
#include "runtime/error_stop.h"
#include "runtime/field_read.h"
#include "runtime/field_write.h"
#include "runtime/units.h"

namespace {

// ---------------------------------------------------------------------------
// Harness: a console that takes everything and shows nothing, and a stop
// routine that unwinds back to the harness instead of ending the process.

class DiscardConsole : public rt::ConsoleDevice {
 public:
  bool connect(rt::UnitConnection& connection, const std::optional<std::string>&,
               std::optional<bool>, std::string&) override {
    if (connection.kind == rt::DeviceKind::kWindow) connection.window = 1;
    return true;
  }
  bool write(const rt::UnitConnection&, std::string_view) override { return true; }
  rt::DeviceRead read_line(const rt::UnitConnection&, std::string&) override {
    return rt::DeviceRead::kEnd;
  }
  void disconnect(rt::UnitConnection&, bool) override {}
  bool prompt_file_name(int, std::string&) override { return false; }
};

struct RunTimeStop {
  std::string report;
};

[[noreturn]] void throwing_stop(const std::string& report) {
  throw RunTimeStop{report};
}

DiscardConsole g_console;
std::string g_dir;  // this process's scratch directory; the input file lives there

void remove_scratch_dir() {
  std::error_code ec;
  std::filesystem::remove_all(g_dir, ec);
}

// Printable form of a field for failure reports.
std::string printable(std::string_view s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
      out.push_back(static_cast<char>(c));
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out += hex;
    }
  }
  return out + "\"";
}

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "\nrecord_reader_fuzz: check failed: %s\n", what.c_str());
  std::abort();
}

std::uint32_t bits_of(float f) {
  std::uint32_t b;
  std::memcpy(&b, &f, sizeof b);
  return b;
}

// The field's characters from 1-based `column` on, `width` of them, with
// columns past the end of the record read as blanks.
std::string padded_slice(std::string_view record, int column, int width) {
  std::string out(static_cast<std::size_t>(width), ' ');
  const std::size_t start = static_cast<std::size_t>(column - 1);
  if (start < record.size()) {
    const std::size_t n = std::min(record.size() - start, static_cast<std::size_t>(width));
    std::memcpy(out.data(), record.data() + start, n);
  }
  return out;
}

// ---------------------------------------------------------------------------
// References for the input conversions, written from the field rules rather
// than from the parser: blanks are dropped, then the text must be an
// optional sign and digits (and for a real at most one point).

std::string without_blanks(std::string_view field) {
  std::string out;
  for (char c : field) {
    if (c != ' ') out.push_back(c);
  }
  return out;
}

// The integer an Iw field holds; empty when the field is a conversion error.
std::optional<std::int32_t> reference_integer(std::string_view field) {
  std::string text = without_blanks(field);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.erase(0, 1);
  }
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  const std::size_t first = text.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  text.erase(0, first);
  if (text.size() > 10) return std::nullopt;
  const long long magnitude = std::stoll(text);
  const long long value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

enum class RealKind { kError, kOutOfRange, kValue };
struct ReferenceReal {
  RealKind kind = RealKind::kError;
  float value = 0;
};

// What an Fw.d field holds, by glibc's correctly rounded strtof on the same
// digits; a field without a point gets its implied decimals as an exponent.
ReferenceReal reference_real(std::string_view field, int decimals) {
  const std::string packed = without_blanks(field);
  std::size_t i = 0;
  const bool negative = !packed.empty() && packed[0] == '-';
  if (!packed.empty() && (packed[0] == '+' || packed[0] == '-')) i = 1;
  bool has_point = false;
  bool has_digit = false;
  for (; i < packed.size(); ++i) {
    const char c = packed[i];
    if (c == '.' && !has_point) {
      has_point = true;
    } else if (c >= '0' && c <= '9') {
      has_digit = true;
    } else {
      return {};
    }
  }
  if (!has_digit) return {RealKind::kValue, negative ? -0.0f : 0.0f};
  std::string text = packed;
  if (!has_point) text += "e-" + std::to_string(decimals);
  char* end = nullptr;
  errno = 0;
  const float v = std::strtof(text.c_str(), &end);
  if (end != text.c_str() + text.size()) fail("strtof did not take " + printable(text));
  if (std::isinf(v)) return {RealKind::kOutOfRange, v};
  return {RealKind::kValue, v};
}

// ---------------------------------------------------------------------------
// Output conversions: the field always has exactly its width, a number
// that fits is right-justified, one that does not is all asterisks.

bool all_stars(const std::string& s) {
  return s.find_first_not_of('*') == std::string::npos;
}

void check_integer_output(std::int64_t value, int width) {
  const std::string out = rt::format_integer(value, width);
  if (static_cast<int>(out.size()) != width) {
    fail("format_integer(" + std::to_string(value) + ", " + std::to_string(width) + ") gave " +
         printable(out));
  }
  const std::string text = std::to_string(value);
  const std::string expected =
      static_cast<int>(text.size()) > width
          ? std::string(static_cast<std::size_t>(width), '*')
          : std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
  if (out != expected) {
    fail("format_integer(" + std::to_string(value) + ", " + std::to_string(width) + ") gave " +
         printable(out) + ", expected " + printable(expected));
  }
}

// The Fw.d field for the unsigned digits "I.F" of a rounded value: the
// sign, the 0 before the point dropped when that makes the value fit, then
// right-justified or all asterisks.
std::string fixed_field(std::string text, bool negative, int width) {
  if (negative) text.insert(text.begin(), '-');
  const std::size_t zero = text.find("0.");
  if (static_cast<int>(text.size()) > width && zero == (negative ? 1u : 0u)) text.erase(zero, 1);
  if (static_cast<int>(text.size()) > width)
    return std::string(static_cast<std::size_t>(width), '*');
  return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

// Fw.d output against glibc's printf, which prints the exact binary value.
// printf rounds an exact tie to even and the writer away from zero, so a
// tie is rounded here by adding one to the last kept digit of the exact
// expansion. The writer always writes the point.
void check_fixed_output(double value, int width, int decimals) {
  const std::string out = rt::format_fixed(value, width, decimals);
  auto call = [&] {
    char text[96];
    std::snprintf(text, sizeof text, "format_fixed(%a, %d, %d) gave ", value, width, decimals);
    return std::string(text) + printable(out);
  };
  if (static_cast<int>(out.size()) != width) fail(call() + ": not the field width");
  if (!std::isfinite(value)) {
    if (!all_stars(out)) fail(call() + " for a value that is not finite");
    return;
  }
  char rounded[400];
  std::snprintf(rounded, sizeof rounded, "%.*f", decimals, std::fabs(value));
  std::string text = rounded;
  if (decimals == 0) text += ".";
  std::string expected = fixed_field(text, value < 0, width);
  if (out == expected) return;

  // Every finite double has at most 1074 fractional binary digits, so this
  // is its exact value.
  static char exact[1500];
  std::snprintf(exact, sizeof exact, "%.1080f", std::fabs(value));
  const char* rest = std::strchr(exact, '.') + 1 + decimals;
  const bool tie = rest[0] == '5' && std::strspn(rest + 1, "0") == std::strlen(rest + 1);
  if (tie) {
    std::string away(exact, static_cast<std::size_t>(rest - exact));
    int i = static_cast<int>(away.size()) - 1;
    for (; i >= 0; --i) {
      if (away[static_cast<std::size_t>(i)] == '.') continue;
      if (away[static_cast<std::size_t>(i)] != '9') {
        ++away[static_cast<std::size_t>(i)];
        break;
      }
      away[static_cast<std::size_t>(i)] = '0';
    }
    if (i < 0) away.insert(away.begin(), '1');
    expected = fixed_field(away, value < 0, width);
    if (out == expected) return;
  }
  fail(call() + ", expected " + printable(expected) + (tie ? " (a tie, away from zero)" : ""));
}

constexpr int kOutputWidths[] = {1, 4, 6, 7, 11, 12};

// ---------------------------------------------------------------------------
// Input conversions of one field against the references; the writers then
// get every value that was read.

std::optional<std::int32_t> check_integer_field(std::string_view field) {
  const std::optional<std::int32_t> ours = rt::parse_integer_field(field);
  const std::optional<std::int32_t> ref = reference_integer(field);
  if (ours != ref) {
    fail("parse_integer_field(" + printable(field) + ") gave " +
         (ours ? std::to_string(*ours) : "an error") + ", expected " +
         (ref ? std::to_string(*ref) : "an error"));
  }
  if (ours) {
    for (int w : kOutputWidths) check_integer_output(*ours, w);
  }
  return ours;
}

std::optional<float> check_real_field(std::string_view field, int decimals) {
  const std::optional<float> ours = rt::parse_real_field(field, decimals);
  const ReferenceReal ref = reference_real(field, decimals);
  // Failure texts are built only on failure: these checks run for every field.
  auto call = [&] {
    return "parse_real_field(" + printable(field) + ", " + std::to_string(decimals) + ")";
  };
  switch (ref.kind) {
    case RealKind::kError:
      if (ours) fail(call() + " accepted a field that is not a number");
      break;
    case RealKind::kOutOfRange:
      if (ours) fail(call() + " gave " + std::to_string(*ours) + " beyond the float range");
      break;
    case RealKind::kValue:
      if (!ours) fail(call() + " rejected a plain decimal");
      if (bits_of(*ours) != bits_of(ref.value)) {
        char detail[160];
        std::snprintf(detail, sizeof detail,
                      " gave %.9g (bits %08x), strtof gives %.9g (bits %08x)",
                      static_cast<double>(*ours), bits_of(*ours), static_cast<double>(ref.value),
                      bits_of(ref.value));
        fail(call() + detail);
      }
      break;
  }
  if (ours) {
    for (int w : kOutputWidths) check_fixed_output(*ours, w, decimals);
  }
  return ours;
}

// ---------------------------------------------------------------------------
// The column reader: a list of edit descriptors run over one record, and a
// replay of the same list with padded slices and the references.

enum class Step { kSkip, kChars, kInteger, kReal };
struct Descriptor {
  Step step;
  int width;
  int decimals;
};

// The atom record layout of the analysis.
const std::vector<Descriptor> kAtomLayout = {
    {Step::kSkip, 6, 0},    {Step::kInteger, 5, 0}, {Step::kSkip, 1, 0},  {Step::kChars, 4, 0},
    {Step::kChars, 1, 0},   {Step::kChars, 3, 0},   {Step::kSkip, 1, 0},  {Step::kChars, 1, 0},
    {Step::kInteger, 4, 0}, {Step::kSkip, 1, 0},    {Step::kReal, 11, 3}, {Step::kSkip, 1, 0},
    {Step::kReal, 7, 3},    {Step::kSkip, 1, 0},    {Step::kReal, 7, 3},  {Step::kSkip, 1, 0},
    {Step::kReal, 5, 2},    {Step::kReal, 6, 2},    {Step::kSkip, 11, 0}, {Step::kChars, 1, 0},
};

// A descriptor list spelled by the record's own first bytes, so that the
// fuzzer explores widths and orders the analysis never uses.
std::vector<Descriptor> descriptors_from(std::string_view record) {
  std::vector<Descriptor> out;
  for (std::size_t i = 0; i < record.size() && i < 12; ++i) {
    const auto b = static_cast<unsigned char>(record[i]);
    out.push_back({static_cast<Step>(b % 4), (b / 4) % 16, b % 7});
  }
  return out;
}

constexpr std::int32_t kUntouchedInteger = 0x5a5a5a5a;
constexpr float kUntouchedReal = -1234.5f;
constexpr char kUntouchedChar = '#';

void check_field_reader(std::string_view record, const std::vector<Descriptor>& list) {
  struct Result {
    std::int32_t integer = kUntouchedInteger;
    float real = kUntouchedReal;
    char chars[16];
  };
  std::vector<Result> got(list.size());
  rt::FieldReader reader(record);
  for (std::size_t i = 0; i < list.size(); ++i) {
    std::memset(got[i].chars, kUntouchedChar, sizeof got[i].chars);
    const Descriptor& d = list[i];
    switch (d.step) {
      case Step::kSkip:
        reader.skip(d.width);
        break;
      case Step::kChars:
        reader.chars(d.width, got[i].chars);
        break;
      case Step::kInteger:
        reader.integer(d.width, got[i].integer);
        break;
      case Step::kReal:
        reader.real(d.width, d.decimals, got[i].real);
        break;
    }
  }
  if (reader.record() != record) fail("FieldReader::record() is not the record it was given");

  int column = 1;
  int failed_column = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Descriptor& d = list[i];
    const std::string field = padded_slice(record, column, d.width);
    auto where = [&] {
      return " (descriptor " + std::to_string(i) + ", column " + std::to_string(column) +
             ", width " + std::to_string(d.width) + ") of " + printable(record);
    };
    const bool before_failure = failed_column == 0;
    switch (d.step) {
      case Step::kSkip:
        break;
      case Step::kChars: {
        const std::string_view chars(got[i].chars, sizeof got[i].chars);
        const std::string expected =
            (before_failure ? field
                            : std::string(static_cast<std::size_t>(d.width), kUntouchedChar)) +
            std::string(sizeof got[i].chars - static_cast<std::size_t>(d.width), kUntouchedChar);
        if (chars != expected) fail("FieldReader::chars wrote " + printable(chars) + where());
        break;
      }
      case Step::kInteger: {
        const std::optional<std::int32_t> ref = reference_integer(field);
        if (before_failure && !ref) failed_column = column;
        const std::int32_t expected = before_failure && ref ? *ref : kUntouchedInteger;
        if (got[i].integer != expected) {
          fail("FieldReader::integer gave " + std::to_string(got[i].integer) + ", expected " +
               std::to_string(expected) + where());
        }
        break;
      }
      case Step::kReal: {
        const ReferenceReal ref = reference_real(field, d.decimals);
        const bool ok = ref.kind == RealKind::kValue;
        if (before_failure && !ok) failed_column = column;
        const float expected = before_failure && ok ? ref.value : kUntouchedReal;
        if (bits_of(got[i].real) != bits_of(expected)) {
          fail("FieldReader::real gave " + std::to_string(got[i].real) + ", expected " +
               std::to_string(expected) + where());
        }
        break;
      }
    }
    column += d.width;
  }
  if (reader.failed_column() != failed_column || reader.failed() != (failed_column != 0)) {
    fail("FieldReader reports failed column " + std::to_string(reader.failed_column()) +
         ", expected " + std::to_string(failed_column) + " for " + printable(record));
  }
}

// All conversion checks for one line of the input.
void check_line(std::string_view line) {
  check_integer_field(line);
  check_real_field(line, static_cast<int>(line.size() % 10));
  int column = 1;
  for (const Descriptor& d : kAtomLayout) {
    const std::string field = padded_slice(line, column, d.width);
    if (d.step == Step::kInteger) check_integer_field(field);
    if (d.step == Step::kReal) check_real_field(field, d.decimals);
    column += d.width;
  }
  check_field_reader(line, kAtomLayout);
  check_field_reader(line, descriptors_from(line));

  // Arbitrary binary values for the writers, from the line's first bytes.
  if (line.size() >= 8) {
    std::int64_t i;
    double x;
    std::memcpy(&i, line.data(), sizeof i);
    std::memcpy(&x, line.data(), sizeof x);
    const int width = 1 + static_cast<int>(static_cast<unsigned char>(line[0]) % 24);
    check_integer_output(i, width);
    check_fixed_output(x, width, static_cast<unsigned char>(line[1]) % 10);
  }
}

// ---------------------------------------------------------------------------
// The whole input as a PDB file through the real analysis.

bool ranks_are_consistent(std::string& why) {
  using namespace bvrank;
  for (int c = 1; c <= chains.NCHAIN; ++c) {
    const int first = chains.CHAIN_FIRST[c];
    const int last = chains.CHAIN_LAST[c];
    if (first < 1 || last < first || last > residues.NRES) {
      why = "chain " + std::to_string(c) + " spans residues " + std::to_string(first) + ".." +
            std::to_string(last);
      return false;
    }
    // Ranks 1..n, each once; a higher rank never has a higher average.
    const int n = last - first + 1;
    std::vector<int> by_rank(static_cast<std::size_t>(n) + 1, 0);
    for (int i = first; i <= last; ++i) {
      const int r = residues.RES_RANK[i];
      if (r < 1 || r > n || by_rank[static_cast<std::size_t>(r)] != 0) {
        why = "residue " + std::to_string(i) + " has rank " + std::to_string(r);
        return false;
      }
      by_rank[static_cast<std::size_t>(r)] = i;
    }
    for (int r = 2; r <= n; ++r) {
      const float above = std::fabs(residues.RES_BAVG[by_rank[static_cast<std::size_t>(r - 1)]]);
      const float here = std::fabs(residues.RES_BAVG[by_rank[static_cast<std::size_t>(r)]]);
      if (here > above) {
        why = "rank " + std::to_string(r) + " of chain " + std::to_string(c) +
              " has a higher average than rank " + std::to_string(r - 1);
        return false;
      }
    }
  }
  return true;
}

void check_analysis(const std::uint8_t* data, std::size_t size) {
  const std::string path = g_dir + "/input.pdb";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0) {
    fail("cannot write " + path);
  }
  if (!bvrank::set_input_name(path)) fail("path refused: " + path);
  const std::string report_path = rt::file_name_text(bvrank::IN_AND_OUT.OUTNAME.view());

  std::int32_t status = 99;
  try {
    bvrank::READ_PDB(status);
  } catch (const RunTimeStop& stop) {
    // A number field that is not a number stops the program, as it should;
    // any other stop here is a fault of the reader or the run-time.
    rt::finish();
    if (stop.report.rfind("Run-time error: input conversion error", 0) != 0) {
      fail("unexpected run-time stop: " + stop.report);
    }
    return;
  }
  rt::finish();

  using namespace bvrank;
  std::error_code ec;
  const bool report_exists = std::filesystem::exists(report_path, ec);
  switch (status) {
    case kStatusDone: {
      if (atoms.NATOM < 1 || atoms.NATOM > kAtomCapacity) {
        fail("status 1 with NATOM " + std::to_string(atoms.NATOM));
      }
      if (residues.NRES < 1 || residues.NRES > atoms.NATOM) {
        fail("NRES " + std::to_string(residues.NRES) + " for " + std::to_string(atoms.NATOM) +
             " atoms");
      }
      if (chains.NCHAIN < 1 || chains.NCHAIN > kChainCapacity) {
        fail("NCHAIN " + std::to_string(chains.NCHAIN));
      }
      for (int i = 1; i <= atoms.NATOM; ++i) {
        if (!(atoms.ATOM_B[i] > 0.0f)) fail("stored atom " + std::to_string(i) + " has B <= 0");
      }
      std::string why;
      if (!ranks_are_consistent(why)) fail(why);
      if (!report_exists) fail("status 1 but no report file");
      break;
    }
    case kStatusZeroB:
      if (report_exists) fail("status -2 left the report file behind");
      break;
    case kStatusNoAtoms:
    case kStatusReadError:
    case kStatusEarlyEnd:
      break;
    default:
      fail("READ_PDB returned status " + std::to_string(status) + " for an existing file");
  }
  std::filesystem::remove(report_path, ec);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Under TMPDIR when set (scripts/fuzz.sh points it into the build tree, so
  // a crash or an interrupted run leaves nothing in /tmp), unless that would
  // make the input path too long for the analysis' 100-character names.
  std::string dir = "/tmp";
  if (const char* t = std::getenv("TMPDIR"); t != nullptr && *t != '\0' && std::strlen(t) < 60) {
    dir = t;
  }
  dir += "/bvrank-fuzz-XXXXXX";
  if (mkdtemp(dir.data()) == nullptr) fail("cannot create a scratch directory in " + dir);
  g_dir = dir;
  std::atexit(remove_scratch_dir);
  rt::set_console_device(&g_console);
  rt::set_stop_routine(throwing_stop);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  check_analysis(data, size);

  // The field checks look at the first lines only, which keeps each run
  // short; the fuzzer moves whatever it likes to the front.
  constexpr int kMaxLines = 64;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  for (int n = 0; n < kMaxLines && start < text.size(); ++n) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    check_line(line);
    start = end + 1;
  }
  return 0;
}
