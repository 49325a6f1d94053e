// The chosen path is stored whole or not at all: a path longer than the
// 100-character file list entry is refused, never cut.
#include "analysis/input_name.h"

#include <algorithm>

#include "analysis/common_blocks.h"

namespace bvrank {

void clear_chosen_path(rt::FixedText<50>& DIRNAME, std::int32_t& DIRLEN, std::int32_t& NAMESTAT) {
  NAMESTAT = 0;
  FILES.FILELIST[1].fill(' ');
  FILES.FILELEN[1] = 0;
  DIRNAME.fill(' ');
  DIRLEN = 0;
}

void take_chosen_path(std::string_view file_buffer, int file_offset, rt::FixedText<50>& DIRNAME,
                      std::int32_t& DIRLEN, std::int32_t& NAMESTAT) {
  const std::size_t k = static_cast<std::size_t>(std::max(file_offset, 1));
  std::string dir(file_buffer.substr(0, std::min(k - 1, file_buffer.size())));
  dir += '\\';
  DIRNAME.assign(dir);
  DIRLEN = static_cast<std::int32_t>(k);
  NAMESTAT = 1;

  std::size_t end = file_buffer.find('\0', k);
  if (end == std::string_view::npos) end = file_buffer.size();
  const std::string_view path = file_buffer.substr(0, end);
  FILES.FILELIST[1].assign(path.substr(0, std::min<std::size_t>(path.size(), kPathLength)));
  FILES.FILELEN[1] = static_cast<std::int32_t>(path.size());

  const bool fits = path.size() >= 3 && path.size() <= static_cast<std::size_t>(kPathLength);
  const std::string_view ext = fits ? path.substr(path.size() - 3) : std::string_view();
  if (!fits || (ext != "pdb" && ext != "PDB")) {
    FILES.FILELIST[1].fill(' ');
    FILES.FILELEN[1] = 0;
    NAMESTAT = 0;
  }
}

}  // namespace bvrank
