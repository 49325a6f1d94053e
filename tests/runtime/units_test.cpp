// Units: open statuses, record reading with either line end, CR LF on
// output, replacement of an existing file, deletion on close, console
// units with their lazy line end, and the error stop.
#include "runtime/units.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "support/capture_console.h"
#include "support/temp_dir.h"

namespace {

using testing_support::read_file;
using testing_support::RuntimeSandbox;
using testing_support::StopCalled;
using testing_support::TempDir;

rt::OpenRequest request(int unit, const std::string& file, rt::FileStatus status,
                        rt::Action action = rt::Action::kReadWrite) {
  rt::OpenRequest r;
  r.unit = unit;
  r.file = file;
  r.status = status;
  r.action = action;
  return r;
}

class UnitsTest : public ::testing::Test {
 protected:
  RuntimeSandbox sandbox;
  TempDir dir;
};

TEST_F(UnitsTest, RecordsEndAtLfOrCrLfAndALastLineNeedsNoEnd) {
  const std::string path = dir.write("in.txt", "one\r\ntwo\nthree");
  std::string name = path + "   ";
  name += '\0';
  ASSERT_TRUE(rt::open_unit(request(1, name, rt::FileStatus::kOld, rt::Action::kRead)).is_ok());
  std::string rec;
  ASSERT_TRUE(rt::read_record(1, rec).is_ok());
  EXPECT_EQ(rec, "one");
  ASSERT_TRUE(rt::read_record(1, rec).is_ok());
  EXPECT_EQ(rec, "two");
  ASSERT_TRUE(rt::read_record(1, rec).is_ok());
  EXPECT_EQ(rec, "three");
  EXPECT_TRUE(rt::read_record(1, rec).is_end());
  EXPECT_TRUE(rt::read_record(1, rec).is_end());
  EXPECT_TRUE(rt::close_unit(1).is_ok());
}

TEST_F(UnitsTest, EmptyLinesAreRecordsAndAnEmptyFileIsAtItsEnd) {
  const std::string path = dir.write("in.txt", "\n\r\n");
  ASSERT_TRUE(rt::open_unit(request(1, path, rt::FileStatus::kOld, rt::Action::kRead)).is_ok());
  std::string rec = "x";
  EXPECT_TRUE(rt::read_record(1, rec).is_ok());
  EXPECT_EQ(rec, "");
  EXPECT_TRUE(rt::read_record(1, rec).is_ok());
  EXPECT_TRUE(rt::read_record(1, rec).is_end());
  rt::close_unit(1).or_stop();

  const std::string empty = dir.write("empty.txt", "");
  ASSERT_TRUE(rt::open_unit(request(1, empty, rt::FileStatus::kOld)).is_ok());
  EXPECT_TRUE(rt::read_record(1, rec).is_end());
}

TEST_F(UnitsTest, OpenStatusesAndNames) {
  const std::string missing = dir.file("missing.txt");
  EXPECT_TRUE(rt::open_unit(request(2, missing, rt::FileStatus::kOld)).is_error());
  EXPECT_FALSE(testing_support::file_exists(missing));
  std::string all_nul(100, '\0');
  EXPECT_TRUE(rt::open_unit(request(2, all_nul, rt::FileStatus::kOld)).is_error());
  EXPECT_TRUE(rt::open_unit(request(2, "     ", rt::FileStatus::kUnknown)).is_error());
  ASSERT_TRUE(rt::open_unit(request(2, missing, rt::FileStatus::kUnknown)).is_ok());
  EXPECT_TRUE(testing_support::file_exists(missing));  // created when missing
  EXPECT_TRUE(rt::file_exists(missing + "  "));
  EXPECT_FALSE(rt::file_exists(""));
}

TEST_F(UnitsTest, WritingReplacesAnExistingFileAndEndsRecordsWithCrLf) {
  const std::string path = dir.write("out.txt", "old content that is longer\r\nand more\r\n");
  ASSERT_TRUE(rt::open_unit(request(2, path, rt::FileStatus::kUnknown)).is_ok());
  rt::write_record(2, "new").or_stop();
  rt::write_record(2, "").or_stop();
  rt::write_record(2, "last  ").or_stop();
  rt::close_unit(2, rt::CloseStatus::kKeep).or_stop();
  EXPECT_EQ(read_file(path), "new\r\n\r\nlast  \r\n");

  // After a read, the first write cuts the file where the reading stopped.
  ASSERT_TRUE(rt::open_unit(request(2, path, rt::FileStatus::kOld)).is_ok());
  std::string rec;
  ASSERT_TRUE(rt::read_record(2, rec).is_ok());
  rt::write_record(2, "then").or_stop();
  rt::close_unit(2, rt::CloseStatus::kKeep).or_stop();
  EXPECT_EQ(read_file(path), "new\r\nthen\r\n");
}

TEST_F(UnitsTest, WriteRecordsWritesEachLineAsOneRecord) {
  const std::string path = dir.write("many.txt", "old content that is longer than the new\r\n");
  ASSERT_TRUE(rt::open_unit(request(2, path, rt::FileStatus::kUnknown)).is_ok());
  rt::write_records(2, "new\n\nlast  \n").or_stop();
  rt::close_unit(2, rt::CloseStatus::kKeep).or_stop();
  EXPECT_EQ(read_file(path), "new\r\n\r\nlast  \r\n");

  rt::write_records(-1, "one\ntwo\n").or_stop();  // the console, as WRITE(*) uses it
  EXPECT_EQ(sandbox.console.bytes(), "one\ntwo");

  ASSERT_TRUE(rt::open_unit(request(1, path, rt::FileStatus::kOld, rt::Action::kRead)).is_ok());
  EXPECT_TRUE(rt::write_records(1, "x\n").is_error());
  EXPECT_EQ(read_file(path), "new\r\n\r\nlast  \r\n");
}

TEST_F(UnitsTest, CloseWithDeleteRemovesTheFile) {
  const std::string path = dir.write("gone.txt", "x\n");
  ASSERT_TRUE(rt::open_unit(request(2, path, rt::FileStatus::kOld)).is_ok());
  rt::close_unit(2, rt::CloseStatus::kDelete).or_stop();
  EXPECT_FALSE(testing_support::file_exists(path));
}

TEST_F(UnitsTest, ReadOnlyUnitRefusesWritesAndOrStopStops) {
  const std::string path = dir.write("ro.txt", "x\n");
  ASSERT_TRUE(rt::open_unit(request(1, path, rt::FileStatus::kOld, rt::Action::kRead)).is_ok());
  const rt::IoStatus s = rt::write_record(1, "y");
  EXPECT_TRUE(s.is_error());
  try {
    s.or_stop();
    FAIL() << "or_stop returned after an error";
  } catch (const StopCalled& stop) {
    EXPECT_NE(std::string(stop.what()).find("unit 1"), std::string::npos);
    EXPECT_NE(std::string(stop.what()).find(path), std::string::npos);
  }
  EXPECT_EQ(read_file(path), "x\n");
}

TEST_F(UnitsTest, ConsoleRecordsEndLazily) {
  rt::write_console("first").or_stop();
  EXPECT_EQ(sandbox.console.bytes(), "first");  // its line end is owed
  rt::write_console("").or_stop();
  rt::write_console("third").or_stop();
  EXPECT_EQ(sandbox.console.bytes(), "first\n\nthird");
  rt::finish();
  EXPECT_EQ(sandbox.console.bytes(), "first\n\nthird\n");
}

TEST_F(UnitsTest, PreconnectedAndWindowUnits) {
  rt::write_record(6, "to unit 6").or_stop();
  auto six = rt::device_connection(6, false);
  ASSERT_TRUE(six);
  EXPECT_EQ(six->kind, rt::DeviceKind::kConsoleOut);
  EXPECT_FALSE(rt::device_connection(7, true));  // not preconnected, not open

  auto zero = rt::device_connection(0, true);  // opened with its default
  ASSERT_TRUE(zero);
  EXPECT_EQ(zero->kind, rt::DeviceKind::kConsoleOut);

  rt::OpenRequest user = request(10, "USER", rt::FileStatus::kUnknown);
  user.title = "My window";
  ASSERT_TRUE(rt::open_unit(user).is_ok());
  auto ten = rt::unit_for_window(1025);
  ASSERT_TRUE(ten);
  EXPECT_EQ(ten->unit, 10);
  rt::write_record(10, "line").or_stop();
  rt::close_unit(10, rt::CloseStatus::kKeep).or_stop();
  EXPECT_TRUE(sandbox.console.last_disconnect_kept);
  EXPECT_EQ(sandbox.console.bytes(), "to unit 6line\n");
}

TEST_F(UnitsTest, TitleOnlyForWindowUnitsAndBlankNamePrompt) {
  rt::OpenRequest r = request(11, dir.file("f.txt"), rt::FileStatus::kUnknown);
  r.title = "x";
  const rt::IoStatus s = rt::open_unit(r);
  ASSERT_TRUE(s.is_error());
  EXPECT_NE(s.report().find("TITLE illegal with non-window unit"), std::string::npos);

  rt::OpenRequest blank = request(12, "   ", rt::FileStatus::kUnknown);
  blank.prompt_for_blank_name = true;
  sandbox.console.prompted.push_back(dir.file("chosen.txt"));
  ASSERT_TRUE(rt::open_unit(blank).is_ok());
  rt::write_record(12, "hello").or_stop();
  rt::close_unit(12).or_stop();
  EXPECT_EQ(read_file(dir.file("chosen.txt")), "hello\r\n");
}

TEST_F(UnitsTest, ConsoleWriteFailureIsAnError) {
  sandbox.console.fail_writes = true;
  EXPECT_TRUE(rt::write_console("x").is_error());
}

}  // namespace

namespace {

TEST_F(UnitsTest, LongRecordsAndLineEndsAcrossReadBlocks) {
  // A record longer than the 64 KiB read block, and a CR LF split across
  // the block boundary.
  const std::string long_record(70000, 'x');
  std::string content = long_record + "\r\n";
  content += std::string(65536 - content.size() % 65536 - 1, 'y') + "\r\nlast";
  const std::string path = dir.write("blocks.txt", content);
  ASSERT_TRUE(rt::open_unit(request(1, path, rt::FileStatus::kOld, rt::Action::kRead)).is_ok());
  std::string rec;
  ASSERT_TRUE(rt::read_record(1, rec).is_ok());
  EXPECT_EQ(rec, long_record);
  ASSERT_TRUE(rt::read_record(1, rec).is_ok());
  EXPECT_EQ(rec, std::string(65536 - (long_record.size() + 2) % 65536 - 1, 'y'));
  ASSERT_TRUE(rt::read_record(1, rec).is_ok());
  EXPECT_EQ(rec, "last");
  EXPECT_TRUE(rt::read_record(1, rec).is_end());
}

TEST_F(UnitsTest, RecordReaderGivesTheRecordsThatReadRecordGives) {
  // Each content is read once record by record and once in blocks; both
  // must give the same records and end the same way.
  const std::string long_line(70000, 'x');
  const std::string contents[] = {
      "one\r\ntwo\nthree",
      "a\n\nb\n",
      "",
      "\n",
      "last ends in CR\r",
      "x\r\r\n",
      "\r\n\r\n",
      long_line + "\r\n" + long_line,
      std::string(65535, 'y') + "\r\nz\n",
  };
  for (const rt::Action action : {rt::Action::kRead, rt::Action::kReadWrite}) {
    for (const std::string& content : contents) {
      const std::string path = dir.write("reader.txt", content);
      auto records = [&](auto read_one) {
        EXPECT_TRUE(rt::open_unit(request(1, path, rt::FileStatus::kOld, action)).is_ok());
        std::vector<std::string> out;
        for (int i = 0; i < 10; ++i) {
          std::string text;
          const rt::IoStatus s = read_one(text);
          out.push_back(s.is_ok() ? "ok:" + text : s.is_end() ? "end" : "error");
          if (!s.is_ok()) break;
        }
        EXPECT_TRUE(rt::close_unit(1).is_ok());
        return out;
      };
      const auto expected = records([](std::string& text) { return rt::read_record(1, text); });
      rt::RecordReader reader(1);
      const auto got = records([&](std::string& text) {
        std::string_view view;
        rt::IoStatus s = reader.next(view);
        text.assign(view);
        return s;
      });
      EXPECT_EQ(got, expected) << content.substr(0, 40);
    }
  }
}

TEST_F(UnitsTest, WriteFailureIsReportedAtTheLatestByClose) {
  // A device on which every write fails: Linux's /dev/full, which Wine
  // shows on its Z: drive but not as an existing file (so the open may
  // create it). A Windows without it skips the test.
#ifdef _WIN32
  const std::string full = "Z:\\dev\\full";
#else
  const std::string full = "/dev/full";
#endif
  if (rt::open_unit(request(2, full, rt::FileStatus::kUnknown)).is_error())
    GTEST_SKIP() << "no " << full;
  rt::IoStatus s = rt::write_record(2, "lost");
  for (int i = 0; i < 10000 && s.is_ok(); ++i) s = rt::write_record(2, std::string(100, 'z'));
  if (s.is_ok()) s = rt::close_unit(2);
  EXPECT_TRUE(s.is_error());
}

}  // namespace
