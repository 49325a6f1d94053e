// Mouse event slots, waits and positions.
#include "shell/edit/mouse_events.h"

#include <algorithm>

namespace shell {
namespace {

constexpr int kDefaultDoubleClick = 500;
constexpr int kLongestDoubleClick = 2000;

}  // namespace

std::int32_t MouseSlots::set(std::int32_t mask, MouseRoutine routine) {
  if ((mask & kAllMouseEvents) == 0) return -1;
  std::int32_t replaced = 0;
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    if ((mask & (1 << i)) == 0) continue;
    if (slots_[i] != nullptr) replaced = 1;
    slots_[i] = routine;
  }
  return replaced;
}

std::int32_t MouseSlots::clear(std::int32_t mask) {
  if ((mask & kAllMouseEvents) == 0) return -1;
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    if ((mask & (1 << i)) != 0) slots_[i] = nullptr;
  }
  return 0;
}

MouseRoutine MouseSlots::routine_for(std::int32_t bit) const {
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    if (bit == (1 << i)) return slots_[i];
  }
  return nullptr;
}

int MouseWaits::arm(std::int32_t mask) {
  const int id = next_id_++;
  waits_.push_back(Wait{id, mask & kAllMouseEvents, std::nullopt});
  return id;
}

bool MouseWaits::deliver(const MouseEvent& event) {
  bool ended = false;
  for (Wait& w : waits_) {
    if (w.event || (w.mask & event.bit) == 0) continue;
    w.event = event;
    ended = true;
  }
  return ended;
}

std::optional<MouseEvent> MouseWaits::ended_by(int id) const {
  for (const Wait& w : waits_) {
    if (w.id == id) return w.event;
  }
  return std::nullopt;
}

void MouseWaits::disarm(int id) {
  waits_.erase(
      std::remove_if(waits_.begin(), waits_.end(), [id](const Wait& w) { return w.id == id; }),
      waits_.end());
}

bool MouseWaits::armed(std::int32_t bit) const {
  return std::any_of(waits_.begin(), waits_.end(),
                     [bit](const Wait& w) { return !w.event && (w.mask & bit) != 0; });
}

MouseEvent at_virtual_position(MouseEvent e, const MouseView& v) {
  if (!v.scaled) {
    e.x += v.scroll_x;
    e.y += v.scroll_y;
    return e;
  }
  if (v.target_width > 0)
    e.x = static_cast<std::int32_t>(static_cast<long long>(e.x) * v.screen_width / v.target_width);
  if (v.target_height > 0)
    e.y =
        static_cast<std::int32_t>(static_cast<long long>(e.y) * v.screen_height / v.target_height);
  return e;
}

DoubleClickSetting double_click_setting(std::int32_t milliseconds) {
  if (milliseconds <= 0 || milliseconds > kLongestDoubleClick)
    return DoubleClickSetting{kDefaultDoubleClick, 4};
  return DoubleClickSetting{milliseconds, 0};
}

}  // namespace shell
