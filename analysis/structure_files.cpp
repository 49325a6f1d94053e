// mmCIF and gzipped input in the native build. READ_PDB reads a gzipped
// file's text from an anonymous in-memory file (memfd), opened by its
// /proc/self/fd name, so that no decompressed copy is written anywhere.
#include "analysis/structure_files.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "analysis/common_blocks.h"
#include "analysis/file_text.h"
#include "analysis/input_file.h"
#include "analysis/mmcif_atoms.h"
#include "analysis/read_pdb.h"
#include "analysis/report.h"
#include "analysis/residue_stats.h"
#include "analysis/tables.h"
#include "runtime/units.h"

namespace bvrank {
namespace {

std::string input_path() {
  return rt::file_name_text(IN_AND_OUT.INNAME.view());
}

// An in-memory file holding `text`, closed with the object.
class MemoryFile {
 public:
  explicit MemoryFile(const std::string& text) : fd_(memfd_create("bvrank-input", MFD_CLOEXEC)) {
    std::size_t done = 0;
    while (fd_ >= 0 && done < text.size()) {
      const ssize_t n = write(fd_, text.data() + done, text.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        error_ = std::strerror(errno);
        return;
      }
      done += static_cast<std::size_t>(n);
    }
    if (fd_ < 0) error_ = std::strerror(errno);
  }
  ~MemoryFile() {
    if (fd_ >= 0) close(fd_);
  }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

 private:
  int fd_;
  std::string error_;
};

}  // namespace

bool structure_files_supported() {
  return true;
}

std::int32_t analyse_mmcif_file(std::string& detail) {
  residues.RES_RANK.fill(0);
  forget_titles();
  const std::string path = input_path();
  if (!rt::file_exists(path)) return kStatusNotFound;
  std::string text;
  if (!read_file_text(path, text, detail)) return kStatusReadError;
  const std::int32_t status = read_mmcif_atoms(text, path, detail);
  if (status != kStatusDone) return status;
  analyse_residues();
  write_report_of_loaded_tables();
  return kStatusDone;
}

std::int32_t analyse_gzipped_pdb_file(std::string& detail) {
  forget_titles();
  const std::string path = input_path();
  if (!rt::file_exists(path)) return kStatusNotFound;
  std::string text;
  if (!read_file_text(path, text, detail)) return kStatusReadError;
  const MemoryFile stand_in(text);
  if (!stand_in.ok()) {
    detail = "cannot hold the decompressed text: " + stand_in.error();
    return kStatusReadError;
  }
  if (!rt::file_exists(stand_in.path())) {
    detail = "cannot hold the decompressed text: " + stand_in.path() + " is not available";
    return kStatusReadError;
  }
  read_input_from(stand_in.path());
  std::int32_t status = kStatusDone;
  READ_PDB(status);
  read_input_from("");
  return status;
}

}  // namespace bvrank
