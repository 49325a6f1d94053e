// The program's state (Running, Paused, Finished) and the status bar that
// shows it, the status message, pause and resume, and every way the run
// ends: the exit prompt, closing the frame, and the run-time's error stop.
#pragma once

#include <cstdint>

namespace shell {

void SetStatusBar(int state);
int SetState(int state);
int GetState();
void SetStatusText(const char* text);
// Set while a read waits for keyboard input: new messages are only saved.
void set_input_pending(bool pending);
int SetExit(int mode);
int GetExit();

void PauseApplication();
void ResumeApplication();
// The Pause and Resume commands.
void pause_command();
void resume_command();
// Pauses a running program for select mode and returns once the pause is
// done, serving the GUI thread's messages meanwhile (the pause may wait for
// a lock that a program thread holds while it waits for the GUI thread).
void pause_and_wait();
// A pause thread is stopping the program right now.
bool pausing();

// The end-of-program sequence; returns when the run goes on (never, when
// the frame closes, since the process ends then).
int NiceExit(int code);
int ProgramExit(int code);
// The File menu's Exit and the minimal bar's Exit.
void ExitCommand();

// Shows the current state word again (the status bar was hidden).
void show_state_word_again();

// Registers the shell's end-of-program sequence as the run-time's stop routine.
void install_shell_stop_routine();

}  // namespace shell
