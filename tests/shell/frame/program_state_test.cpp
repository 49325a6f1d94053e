// Every move of the program's state table.
#include "shell/frame/program_state.h"

#include <gtest/gtest.h>

namespace {

using shell::PauseStep;
using shell::ProgramState;
using shell::ProgramStates;
using shell::ResumeStep;

// Pause and Resume as the shell carries them out.
void pause(ProgramStates& s) {
  if (s.pause() == PauseStep::kPause) s.set_state(1);
}
void resume(ProgramStates& s) {
  if (s.resume() == ResumeStep::kResume) s.set_state(0);
}

TEST(ProgramStates, PauseTwiceNeedsTwoResumes) {
  ProgramStates s;
  pause(s);
  EXPECT_EQ(s.state(), ProgramState::kPaused);
  pause(s);
  resume(s);
  EXPECT_EQ(s.state(), ProgramState::kPaused);
  resume(s);
  EXPECT_EQ(s.state(), ProgramState::kRunning);
  resume(s);  // resume while running changes nothing
  EXPECT_EQ(s.state(), ProgramState::kRunning);
}

TEST(ProgramStates, FinishedIsFinal) {
  ProgramStates s;
  pause(s);
  s.finish();
  EXPECT_EQ(s.pause(), PauseStep::kNothing);
  EXPECT_EQ(s.resume(), ResumeStep::kNothing);
  EXPECT_FALSE(s.set_state(0));
  EXPECT_EQ(s.state(), ProgramState::kFinished);
}

TEST(ProgramStates, SetStateAcceptsOnlyRunningAndPaused) {
  ProgramStates s;
  EXPECT_FALSE(s.set_state(2));
  EXPECT_FALSE(s.set_state(-1));
  EXPECT_TRUE(s.set_state(1));
  EXPECT_EQ(s.state(), ProgramState::kPaused);
}

}  // namespace
