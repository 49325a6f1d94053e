// Temporary directories and small file helpers for tests.
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace testing_support {

namespace fs = std::filesystem;

namespace {

// The analysis takes paths of at most 100 characters, and the tests put
// files a few levels deep: the system's temporary directory serves only
// when its path is short; otherwise /tmp does (a TMPDIR can be of any
// length).
fs::path short_temp_base() {
  constexpr std::size_t kLongestBase = 40;
  std::error_code ec;
  const fs::path system = fs::temp_directory_path(ec);
  if (!ec && system.generic_string().size() <= kLongestBase) return system;
  return "/tmp";
}

}  // namespace

TempDir::TempDir() {
  // The process id and a count keep parallel test processes apart; the
  // name's length does not depend on the machine.
  static std::atomic<int> counter{0};
  const fs::path base = short_temp_base();
  std::error_code made;
  fs::create_directories(base, made);
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const fs::path p = base / ("bvt" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::error_code ec;
    if (fs::create_directory(p, ec)) {
      path_ = p.generic_string();
      return;
    }
  }
  ADD_FAILURE() << "cannot create a temporary directory in " << base;
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::string TempDir::write(const std::string& name, const std::string& content) const {
  const std::string p = file(name);
  std::ofstream out(p, std::ios::binary);
  out << content;
  return p;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool file_exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

std::string data_file(const std::string& name) {
  return std::string(BVRANK_TEST_DATA) + "/" + name;
}

}  // namespace testing_support
