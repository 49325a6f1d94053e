// The status message: replacing, saving, withdrawing, and the rule while a
// read waits for input.
#include "shell/frame/status_message.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusMessages, NewMessageSavesTheShownOneForWithdrawal) {
  shell::StatusMessages m;
  m.set("first");
  m.set("second");
  EXPECT_EQ(m.shown(), "second");
  m.set(nullptr);
  EXPECT_EQ(m.shown(), "first");
  m.set(nullptr);
  EXPECT_EQ(m.shown(), "");
  m.set("a");
  m.set("b");
  m.set("c");  // "a" is discarded: only one message is saved
  m.set(nullptr);
  EXPECT_EQ(m.shown(), "b");
}

TEST(StatusMessages, WhileInputIsPendingNewMessagesAreOnlySaved) {
  shell::StatusMessages m;
  m.set("Waiting for input");
  m.set_input_pending(true);
  m.set("program message");
  EXPECT_EQ(m.shown(), "Waiting for input");
  m.set_input_pending(false);
  m.set(nullptr);
  EXPECT_EQ(m.shown(), "program message");

  m.set_input_pending(true);
  m.set(nullptr);  // withdrawing while pending discards the saved message
  m.set_input_pending(false);
  EXPECT_EQ(m.shown(), "program message");
  m.set(nullptr);
  EXPECT_EQ(m.shown(), "");
}

TEST(StatusMessages, FirstMessageWhileInputIsPendingIsShown) {
  shell::StatusMessages m;
  m.set_input_pending(true);
  m.set("shown at once");
  EXPECT_EQ(m.shown(), "shown at once");
}

}  // namespace
