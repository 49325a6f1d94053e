// Mouse events for the program: callback slots and their results, waits
// ended by events, positions on the virtual screen, the double-click rule.
#include "shell/edit/mouse_events.h"

#include <gtest/gtest.h>

namespace {

void routine_a(std::int32_t*, std::int32_t*, std::int32_t*, std::int32_t*, std::int32_t*) {}
void routine_b(std::int32_t*, std::int32_t*, std::int32_t*, std::int32_t*, std::int32_t*) {}

TEST(MouseSlots, RegisterAndUnregisterResults) {
  shell::MouseSlots slots;
  EXPECT_EQ(slots.set(0, routine_a), -1);
  EXPECT_EQ(slots.set(128, routine_a), -1) << "no bit of the seven";
  EXPECT_EQ(slots.set(shell::kMouseLeftDown, routine_a), 0);
  EXPECT_EQ(slots.set(shell::kMouseLeftDown, routine_a), 1);
  EXPECT_EQ(slots.set(shell::kMouseMove | shell::kMouseRightUp, routine_b), 0);
  EXPECT_EQ(slots.routine_for(shell::kMouseRightUp), &routine_b);
  EXPECT_EQ(slots.clear(0), -1);
  EXPECT_EQ(slots.clear(shell::kMouseLeftDown | shell::kMouseMove), 0);
  EXPECT_EQ(slots.routine_for(shell::kMouseLeftDown), nullptr);
  EXPECT_EQ(slots.routine_for(shell::kMouseMove), nullptr);
  EXPECT_EQ(slots.routine_for(shell::kMouseRightUp), &routine_b);
}

TEST(MouseWaits, TheFirstEventOfTheMaskEndsTheWait) {
  shell::MouseWaits waits;
  const int id = waits.arm(shell::kMouseLeftUp | shell::kMouseRightDown);
  EXPECT_FALSE(waits.deliver({shell::kMouseMove, 0, 1, 1}));
  EXPECT_TRUE(waits.deliver({shell::kMouseRightDown, 2, 30, 40}));
  EXPECT_FALSE(waits.deliver({shell::kMouseLeftUp, 0, 5, 5})) << "already ended";
  const auto event = waits.ended_by(id);
  ASSERT_TRUE(event.has_value());
  EXPECT_EQ(event->bit, shell::kMouseRightDown);
  EXPECT_EQ(event->x, 30);
  EXPECT_FALSE(waits.armed(shell::kMouseLeftUp));
  waits.disarm(id);
  EXPECT_FALSE(waits.ended_by(id).has_value());
}

TEST(MousePositions, ScrolledOrScaledToTheVirtualScreen) {
  shell::MouseView v;
  v.scroll_x = 16;
  v.scroll_y = 32;
  v.screen_width = 640;
  v.screen_height = 480;
  v.target_width = 320;
  v.target_height = 960;
  const shell::MouseEvent at{shell::kMouseMove, 0, 100, 100};
  EXPECT_EQ(shell::at_virtual_position(at, v).x, 116);
  EXPECT_EQ(shell::at_virtual_position(at, v).y, 132);
  v.scaled = true;
  EXPECT_EQ(shell::at_virtual_position(at, v).x, 200);
  EXPECT_EQ(shell::at_virtual_position(at, v).y, 50);
}

TEST(DoubleClickSetting, OutOfRangeSets500AndReturns4) {
  EXPECT_EQ(shell::double_click_setting(0).interval, 500);
  EXPECT_EQ(shell::double_click_setting(0).result, 4);
  EXPECT_EQ(shell::double_click_setting(2001).result, 4);
  EXPECT_EQ(shell::double_click_setting(2000).interval, 2000);
  EXPECT_EQ(shell::double_click_setting(2000).result, 0);
  EXPECT_EQ(shell::double_click_setting(1).result, 0);
}

}  // namespace
