// The program's states and the moves between them: Running and Paused
// change through Pause and Resume, Finished is final; Pause while already
// paused is remembered, so that the next Resume keeps the program paused.
#pragma once

namespace shell {

enum class ProgramState { kRunning = 0, kPaused = 1, kFinished = 2 };

enum class PauseStep {
  kRememberPausedBefore,  // already paused: the next Resume is swallowed
  kPause,                 // running: pause now
  kNothing,               // finished: nothing changes
};

enum class ResumeStep {
  kStayPaused,  // the paused-before mark is used up
  kResume,      // paused: run again
  kNothing,     // running or finished
};

class ProgramStates {
 public:
  ProgramState state() const { return state_; }
  // SetState: only 0 and 1, and never out of Finished; true when changed.
  bool set_state(int state);
  void finish() { state_ = ProgramState::kFinished; }

  PauseStep pause();
  ResumeStep resume();

 private:
  ProgramState state_ = ProgramState::kRunning;
  bool paused_before_ = false;
};

}  // namespace shell
