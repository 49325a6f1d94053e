// Reading whole input files, plain and gzipped: a gzip file that ends early
// or is not gzip at all, or a directory, is an error, never a shorter text.
#include "analysis/file_text.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "support/temp_dir.h"

namespace {

using bvrank::read_file_text;
using testing_support::TempDir;

std::string gzip_file(const TempDir& dir, const std::string& name, const std::string& text) {
  const std::string path = dir.file(name);
  gzFile f = gzopen(path.c_str(), "wb9");
  gzwrite(f, text.data(), static_cast<unsigned>(text.size()));
  gzclose(f);
  return path;
}

TEST(FileText, PlainAndGzippedFilesGiveTheirWholeText) {
  TempDir dir;
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "ATOM line " + std::to_string(i) + "\n";
  std::string got, error;
  ASSERT_TRUE(read_file_text(gzip_file(dir, "a.pdb.GZ", text), got, error)) << error;
  EXPECT_EQ(got, text);
  ASSERT_TRUE(read_file_text(dir.write("a.pdb", text), got, error)) << error;
  EXPECT_EQ(got, text);
  ASSERT_TRUE(read_file_text(gzip_file(dir, "empty.cif.gz", ""), got, error)) << error;
  EXPECT_EQ(got, "");
}

TEST(FileText, BrokenGzipFilesAreErrors) {
  TempDir dir;
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "row " + std::to_string(i * 7919 % 10007) + "\n";
  const std::string whole = testing_support::read_file(gzip_file(dir, "w.gz", text));
  struct Case {
    std::string bytes;
    std::string error;
  };
  std::string flipped = whole;
  flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x55);
  const Case cases[] = {
      {whole.substr(0, whole.size() / 2), "truncated"},
      {whole.substr(0, whole.size() - 4), "truncated"},  // the length field is missing
      {flipped, "corrupt gzip data"},
      {"plain text, not gzip\n", "not in gzip format"},
      {"", "not in gzip format"},
  };
  for (const Case& c : cases) {
    std::string got, error;
    EXPECT_FALSE(read_file_text(dir.write("bad.cif.gz", c.bytes), got, error)) << c.error;
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
  }
  std::string got, error;
  EXPECT_FALSE(read_file_text(dir.file("absent.cif.gz"), got, error));
  EXPECT_NE(error.find("cannot open"), std::string::npos) << error;
  EXPECT_FALSE(read_file_text(dir.path(), got, error));
  EXPECT_NE(error.find("directory"), std::string::npos) << error;
}

}  // namespace
