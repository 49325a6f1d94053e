// What the driver and the menu probe library share: the name and size of
// the memory block through which the probe hands back the menu bar.
#pragma once

#include <cstddef>
#include <string>

namespace menu_probe {

constexpr std::size_t kBlockSize = 16384;

inline std::string block_name(unsigned long pid) {
  return "bvrank_e2e_menus_" + std::to_string(pid);
}

}  // namespace menu_probe
