// Taking the Open dialog's result apart: paths of 100 and 101 characters,
// the extension check, and a directory part longer than DIRNAME.
#include "analysis/input_name.h"

#include <gtest/gtest.h>

#include "analysis/common_blocks.h"

namespace {

using namespace bvrank;

std::string dialog_buffer(const std::string& path) {
  std::string b = path;
  b.push_back('\0');
  b.resize(kFileBufferLength, ' ');
  return b;
}

struct Result {
  rt::FixedText<50> dirname;
  std::int32_t dirlen = -1;
  std::int32_t namestat = -1;
};

Result take(const std::string& path) {
  Result r;
  const int offset = static_cast<int>(path.rfind('\\') + 1);
  take_chosen_path(dialog_buffer(path), offset, r.dirname, r.dirlen, r.namestat);
  return r;
}

TEST(DialogResult, HundredCharactersAcceptedHundredAndOneRefused) {
  const std::string dir = "C:\\" + std::string(40, 'd') + "\\";
  const std::string hundred = dir + std::string(100 - dir.size() - 4, 'n') + ".pdb";
  ASSERT_EQ(hundred.size(), 100u);
  Result r = take(hundred);
  EXPECT_EQ(r.namestat, 1);
  EXPECT_EQ(FILES.FILELEN[1], 100);
  EXPECT_EQ(FILES.FILELIST[1].view(), hundred);

  r = take(dir + std::string(101 - dir.size() - 4, 'n') + ".pdb");
  EXPECT_EQ(r.namestat, 0);
  EXPECT_EQ(FILES.FILELEN[1], 0);
  EXPECT_EQ(FILES.FILELIST[1].view(), std::string(100, ' '));
}

TEST(DialogResult, ExtensionMustBeExactlyPdbOrPDB) {
  EXPECT_EQ(take("C:\\x\\a.pdb").namestat, 1);
  EXPECT_EQ(take("C:\\x\\a.PDB").namestat, 1);
  EXPECT_EQ(take("C:\\x\\a.Pdb").namestat, 0);
  Result r = take("C:\\x\\a.ent");
  EXPECT_EQ(r.namestat, 0);
  EXPECT_EQ(r.dirlen, 5);  // the directory part is kept even when the name is refused
  EXPECT_EQ(r.dirname.view().substr(0, 6), "C:\\x\\ ");
}

TEST(DialogResult, LongDirectoryIsCutAtFiftyCharacters) {
  const std::string dir = "C:\\" + std::string(60, 'd') + "\\";
  Result r = take(dir + "a.pdb");
  EXPECT_EQ(r.dirlen, static_cast<int>(dir.size()));
  EXPECT_EQ(r.dirname.view(), dir.substr(0, 50));
  EXPECT_EQ(r.namestat, 1);
}

}  // namespace
