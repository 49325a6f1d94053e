// The lock around the menu model: the menu services run on the program's
// thread, item states and commands on the GUI thread.
#pragma once

#include <mutex>

namespace shell {

inline std::recursive_mutex& menu_lock() {
  static std::recursive_mutex lock;
  return lock;
}

}  // namespace shell
