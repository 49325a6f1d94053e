// Storage of the graphics status.
#include "shell/graphics/graphics_status.h"

#include <atomic>

namespace shell {
namespace {
std::atomic<std::int16_t> g_status{0};
}  // namespace

void set_graphics_status(std::int16_t status) {
  g_status.store(status);
}
std::int16_t graphics_status() {
  return g_status.load();
}

}  // namespace shell

std::int16_t GRSTATUS() {
  return shell::graphics_status();
}
