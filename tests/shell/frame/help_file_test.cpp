// Help file name arithmetic and the order in which the help file is chosen.
#include "shell/frame/help_file.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace shell;

bool lead_81_to_9f(unsigned char byte) {
  return byte >= 0x81 && byte <= 0x9F;
}

TEST(HelpFile, MissingNameAndExtensionAreFilledIn) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\help\\bv.hlp", "C:\\help\\bv.hlp"},
      {"C:\\help\\bv", "C:\\help\\bv.HLP"},
      {"C:\\help\\", "C:\\help\\TESLH.HLP"},
      {"C:\\help\\.txt", "C:\\help\\TESLH.txt"},
      {"C:\\help\\bv.", "C:\\help\\bv.HLP"},
      {"C:", "C:TESLH.HLP"},
      {"", "TESLH.HLP"},
      {"mine", "mine.HLP"},
      {"/opt/help/", "/opt/help/TESLH.HLP"},
      {"C:\\my.dir\\bv", "C:\\my.dir\\bv.HLP"},  // a dot in the directory is no extension
      {"a.b.c", "a.b.c"},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(help_file_from_variable(value), expected) << value;
  }
}

TEST(HelpFile, TrailByteFiveCIsNoSeparatorInDoubleByteMode) {
  const std::string dir_name = "C:\\\x95\x5C";  // the second character's trail byte is '\\'
  EXPECT_EQ(help_file_from_variable(dir_name, lead_81_to_9f), dir_name + ".HLP");
  EXPECT_EQ(help_file_from_variable(dir_name), dir_name + "TESLH.HLP");
}

TEST(HelpFile, VariableThenSearchPathThenPlainName) {
  std::set<std::string> files;
  const FileExists exists = [&](const std::string& p) { return files.count(p) != 0; };
  std::optional<std::string> on_path;
  const PathSearch search = [&](const std::string& name) -> std::optional<std::string> {
    EXPECT_EQ(name, "TESLH.HLP");
    return on_path;
  };

  EXPECT_EQ(choose_help_file(std::nullopt, exists, search), "TESLH.HLP");
  EXPECT_EQ(choose_help_file("D:\\h\\", exists, search), "TESLH.HLP");
  on_path = "C:\\WINDOWS\\TESLH.HLP";
  EXPECT_EQ(choose_help_file(std::nullopt, exists, search), *on_path);
  EXPECT_EQ(choose_help_file("D:\\h\\", exists, search), *on_path);  // named file missing
  files.insert("D:\\h\\TESLH.HLP");
  EXPECT_EQ(choose_help_file("D:\\h\\", exists, search), "D:\\h\\TESLH.HLP");
}

}  // namespace
