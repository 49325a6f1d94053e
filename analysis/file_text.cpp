// Reading with zlib's gz functions. gzread stops quietly at the end of the
// input, so the end is checked afterwards: zlib reports Z_BUF_ERROR when the
// file ended inside a gzip stream, and a data error when the stream is
// corrupt or fails its CRC. A file that is not gzip at all would be passed
// through as it is; it is refused instead, as gzip -d does.
#include "analysis/file_text.h"

#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <system_error>

namespace bvrank {
namespace {

struct GzCloser {
  void operator()(gzFile_s* f) const { gzclose_r(f); }
};
using GzFile = std::unique_ptr<gzFile_s, GzCloser>;

bool read_gzip(const std::string& path, std::string& text, std::string& error) {
  errno = 0;
  GzFile f(gzopen(path.c_str(), "rb"));
  if (!f) {
    error = std::string("cannot open: ") + (errno != 0 ? std::strerror(errno) : "out of memory");
    return false;
  }
  gzbuffer(f.get(), 128 * 1024);
  char chunk[64 * 1024];
  for (bool first = true;; first = false) {
    const int n = gzread(f.get(), chunk, sizeof chunk);
    if (n < 0) break;
    if (first && gzdirect(f.get())) {
      error = "not in gzip format";
      return false;
    }
    text.append(chunk, static_cast<std::size_t>(n));
    if (n < static_cast<int>(sizeof chunk)) break;  // the end, or an error told below
  }
  int code = Z_OK;
  const char* message = gzerror(f.get(), &code);
  if (code == Z_OK) return true;
  if (code == Z_BUF_ERROR) {
    error = "the gzip data end early (truncated file)";
  } else if (code == Z_ERRNO) {
    error = std::string("cannot read: ") + std::strerror(errno);
  } else {
    error = std::string("corrupt gzip data: ") + message;
  }
  return false;
}

bool read_plain(const std::string& path, std::string& text, std::string& error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = "cannot read: it is a directory";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = std::string("cannot open: ") + std::strerror(errno);
    return false;
  }
  std::ostringstream all;
  all << in.rdbuf();
  if (in.bad()) {
    error = std::string("cannot read: ") + std::strerror(errno);
    return false;
  }
  text = all.str();
  return true;
}

}  // namespace

bool is_gzip_name(const std::string& path) {
  const std::size_t n = path.size();
  return n >= 3 && path[n - 3] == '.' && (path[n - 2] == 'g' || path[n - 2] == 'G') &&
         (path[n - 1] == 'z' || path[n - 1] == 'Z');
}

bool read_file_text(const std::string& path, std::string& text, std::string& error) {
  text.clear();
  return is_gzip_name(path) ? read_gzip(path, text, error) : read_plain(path, text, error);
}

}  // namespace bvrank
