// The user item table: numbering, growth, lookup for dispatch and clearing.
#include "shell/frame/user_items.h"

#include <gtest/gtest.h>

namespace {

using namespace shell;

void first(std::int32_t*) {}
void second(std::int32_t*) {}

TEST(UserItems, NumbersStartAt1101InOrderOfMaking) {
  UserItems items;
  EXPECT_EQ(items.next_number(), 1101);
  EXPECT_EQ(items.upper_number(), 1150);
  EXPECT_EQ(items.size(), 50u);
  EXPECT_EQ(items.add(&first), 1101);
  EXPECT_EQ(items.add(&second), 1102);
  EXPECT_EQ(items.add(nullptr), 1103);
  EXPECT_EQ(items.routine(1101), &first);
  EXPECT_EQ(items.routine(1102), &second);
  EXPECT_EQ(items.routine(1103), nullptr);
  EXPECT_EQ(items.next_number(), 1104);
}

TEST(UserItems, GrowsByTenOnceTheNextNumberPassesTheUpperNumber) {
  UserItems items;
  for (int i = 0; i < 49; ++i) ASSERT_TRUE(items.add(&second));
  EXPECT_EQ(items.upper_number(), 1150);  // 1150 is still free
  ASSERT_EQ(items.add(&first), 1150);
  EXPECT_EQ(items.upper_number(), 1160);
  EXPECT_EQ(items.size(), 60u);
  EXPECT_EQ(items.routine(1150), &first);  // contents kept
  EXPECT_EQ(items.routine(1101), &second);
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(items.add(&second));
  EXPECT_EQ(items.upper_number(), 1170);
  EXPECT_EQ(items.next_number(), 1161);
}

TEST(UserItems, DispatchRangeIsFirstToUpperNumber) {
  UserItems items;
  items.add(&first);
  EXPECT_FALSE(items.in_range(1100));
  EXPECT_TRUE(items.in_range(1101));
  EXPECT_TRUE(items.in_range(1150));
  EXPECT_FALSE(items.in_range(1151));
  for (CommandId c : {0, 10, 1000, 1023, 1100, 1151, 0xFFFF}) {
    EXPECT_EQ(items.routine(c), nullptr) << c;
  }
  EXPECT_EQ(items.routine(1150), nullptr);  // in range, never handed out
}

TEST(UserItems, ClearForgetsTheRoutineAndNumbersAreNotReused) {
  UserItems items;
  items.add(&first);
  items.add(&second);
  items.clear(1101);
  items.clear(1000);  // not a user number: ignored
  EXPECT_EQ(items.routine(1101), nullptr);
  EXPECT_EQ(items.routine(1102), &second);
  EXPECT_EQ(items.add(&first), 1103);
}

TEST(UserItems, SetReplacesOnlyNumbersHandedOut) {
  UserItems items;
  items.add(&first);
  EXPECT_TRUE(items.set(1101, &second));
  EXPECT_EQ(items.routine(1101), &second);
  EXPECT_FALSE(items.set(1102, &first));  // not yet handed out
  EXPECT_FALSE(items.set(1019, &first));  // a standard command
  EXPECT_EQ(items.next_number(), 1102);
  EXPECT_TRUE(items.issued(1101));
  EXPECT_FALSE(items.issued(1102));
}

TEST(UserItems, StopsAtTheLastSixteenBitNumberInsteadOfWrapping) {
  UserItems items;
  const int available = 0xFFFF - 1101 + 1;
  for (int i = 0; i < available - 1; ++i) ASSERT_TRUE(items.add(nullptr)) << i;
  EXPECT_EQ(items.add(&first), 0xFFFF);
  EXPECT_EQ(items.routine(0xFFFF), &first);
  EXPECT_EQ(items.upper_number(), 0xFFFF);
  EXPECT_EQ(items.add(&second), std::nullopt);
  EXPECT_EQ(items.routine(0xFFFF), &first);
  EXPECT_EQ(items.routine(1101), nullptr);
}

}  // namespace
