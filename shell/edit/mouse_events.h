// Mouse events for the program: the seven event bits, a window's callback
// slots, the waits on events, where an event lies on the virtual screen and
// the double-click interval rule. Plain logic; the window glue feeds it the
// mouse messages.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace shell {

inline constexpr std::int32_t kMouseLeftDown = 1;
inline constexpr std::int32_t kMouseLeftUp = 2;
inline constexpr std::int32_t kMouseLeftDoubleClick = 4;
inline constexpr std::int32_t kMouseRightDown = 8;
inline constexpr std::int32_t kMouseRightUp = 16;
inline constexpr std::int32_t kMouseRightDoubleClick = 32;
inline constexpr std::int32_t kMouseMove = 64;
inline constexpr std::int32_t kAllMouseEvents = 127;

// A program's routine for mouse events; it gets, by reference, the unit of
// the window, the event bit, the key state and the virtual-screen x and y.
using MouseRoutine = void (*)(std::int32_t* unit, std::int32_t* event, std::int32_t* key_state,
                              std::int32_t* x, std::int32_t* y);

// The routines a window calls for each event bit.
class MouseSlots {
 public:
  // Puts `routine` into the slots of `mask`: -1 when the mask holds none of
  // the seven bits, 1 when one of its slots held a routine, else 0.
  std::int32_t set(std::int32_t mask, MouseRoutine routine);
  // Empties the slots of `mask`: -1 when it holds none of the bits, else 0.
  std::int32_t clear(std::int32_t mask);
  // The routine for event `bit`, or null.
  MouseRoutine routine_for(std::int32_t bit) const;

 private:
  std::array<MouseRoutine, 7> slots_{};
};

struct MouseEvent {
  std::int32_t bit = 0;
  std::int32_t key_state = 0;
  std::int32_t x = 0, y = 0;
};

// The waits of the program on mouse events. Each waits for any bit of its
// mask; the first event with such a bit ends it.
class MouseWaits {
 public:
  // A wait for the bits of `mask` (which must hold one of the seven).
  int arm(std::int32_t mask);
  // An event arrived: every wait for its bit ends with it. True when one did.
  bool deliver(const MouseEvent& event);
  // The event that ended wait `id`, while the wait is known.
  std::optional<MouseEvent> ended_by(int id) const;
  // Forgets wait `id`.
  void disarm(int id);
  bool armed(std::int32_t bit) const;

 private:
  struct Wait {
    int id;
    std::int32_t mask;
    std::optional<MouseEvent> event;
  };
  std::vector<Wait> waits_;
  int next_id_ = 1;
};

// How the window shows its virtual screen where the mouse event happened.
struct MouseView {
  bool scaled = false;  // Size To Fit or full screen: the whole screen is shown
  int scroll_x = 0, scroll_y = 0;
  int screen_width = 0, screen_height = 0;
  int target_width = 0, target_height = 0;  // client size of the window shown in
};

// The virtual-screen position of client position (x, y): plus the scroll
// position, or scaled by screen / target size.
MouseEvent at_virtual_position(MouseEvent e, const MouseView& v);

// SETDBLCLKINTERVALQQ: the interval to set and the result. A value of 0 or
// less, or above 2000 ms, sets 500 ms instead and gives 4; else 0.
struct DoubleClickSetting {
  int interval;
  std::int32_t result;
};
DoubleClickSetting double_click_setting(std::int32_t milliseconds);

}  // namespace shell
