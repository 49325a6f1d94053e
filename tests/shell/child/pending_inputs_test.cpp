// The input-pending state names the newest wait, and the one before it
// again when that ends; a destroyed window's waits end with it.
#include "shell/child/pending_inputs.h"

#include <gtest/gtest.h>

#include "shell/frame/shell_texts.h"

namespace {

TEST(PendingInputs, TheNewestWaitIsNamed) {
  shell::PendingInputs p;
  EXPECT_EQ(p.current(), nullptr);
  const int read = p.add("Graphic1", 1024);
  const int key = p.add("Unit 10", 1025);
  ASSERT_NE(p.current(), nullptr);
  EXPECT_EQ(p.current()->text, "Input pending in Unit 10");
  p.remove(key);
  EXPECT_EQ(p.current()->text, "Input pending in Graphic1");
  EXPECT_EQ(p.current()->window, 1024);
  p.remove(key);  // already gone
  p.add("Unit 10", 1025);
  p.remove_window(1025);
  EXPECT_EQ(p.current()->id, read);
  p.remove(read);
  EXPECT_EQ(p.current(), nullptr);
}

TEST(PendingInputs, TheProgramsOwnInputPendingTextIsUsed) {
  shell::set_shell_text(8, "Waiting for ");
  shell::PendingInputs p;
  p.add("Unit 10", 1025);
  EXPECT_EQ(p.current()->text, "Waiting for Unit 10");
  shell::reset_shell_texts();
}

}  // namespace
