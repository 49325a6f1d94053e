// Fixture files cut from tests/data/1tii.pdb: its first ATOM record is
// line 420, after a header that holds one TITLE record.
#include "e2e/pdb_fixtures.h"

#include "e2e/driver.h"

namespace fixtures {
namespace {

constexpr int kHeaderLines = 419;

std::string tii() {
  return driver::read_file(driver::data_file("1tii.pdb"));
}

}  // namespace

std::string end_before_atoms() {
  return driver::first_lines(tii(), kHeaderLines) + "END\n";
}

std::string ends_in_atom_record() {
  return driver::first_lines(tii(), kHeaderLines + 1);
}

std::string letter_in_b_value() {
  std::string text = driver::first_lines(tii(), kHeaderLines + 3);
  const std::size_t second_atom = driver::first_lines(text, kHeaderLines + 1).size();
  text[second_atom + 61] = 'B';  // column 62, inside " 41.67"
  return text;
}

std::string expected_report(const std::string& name, const std::string& path) {
  const std::string stem = name.substr(0, name.rfind('.'));
  return driver::replace_first_line(
      driver::read_file(driver::data_file("expected\\" + stem + ".out")), path);
}

std::string title_line_of_1tii() {
  const std::string second = driver::first_lines(expected_report("1tii.pdb", ""), 2);
  return second.substr(second.find('\n') + 1);
}

}  // namespace fixtures
