// State moves of the program.
#include "shell/frame/program_state.h"

namespace shell {

bool ProgramStates::set_state(int state) {
  if (state_ == ProgramState::kFinished) return false;
  if (state != 0 && state != 1) return false;
  state_ = static_cast<ProgramState>(state);
  return true;
}

PauseStep ProgramStates::pause() {
  switch (state_) {
    case ProgramState::kPaused:
      paused_before_ = true;
      return PauseStep::kRememberPausedBefore;
    case ProgramState::kRunning:
      return PauseStep::kPause;
    case ProgramState::kFinished:
      break;
  }
  return PauseStep::kNothing;
}

ResumeStep ProgramStates::resume() {
  if (paused_before_) {
    paused_before_ = false;
    return ResumeStep::kStayPaused;
  }
  return state_ == ProgramState::kPaused ? ResumeStep::kResume : ResumeStep::kNothing;
}

}  // namespace shell
