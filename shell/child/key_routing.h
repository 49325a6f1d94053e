// Where a key goes in a child window: the control keys that drive the shell
// (Exit, Pause, Resume), a pending read's line editor, a key wait, or the
// beep when nothing waits; and which pressed keys become key codes, menu
// commands or scrolling.
#pragma once

#include <cstdint>

#include "shell/child/key_codes.h"

namespace shell {

enum class ShellCommand { kNone, kExit, kPause, kResume };

// What takes a typed character (or a key code handled as one).
enum class CharTarget {
  kLineEditor,     // the pending read's line editor
  kKeyWait,        // the key wait of the GUI thread on this window
  kKeyEvent,       // the key wait of a program thread on this window
  kBeep,           // nothing waits for it
  kEndFullScreen,  // Escape in the full-screen window
};

// The window's state as a character arrives.
struct KeyState {
  bool full_screen = false;     // typed in the full-screen window
  bool exit_present = false;    // the Exit item is present
  bool pause_present = false;   // the Pause/Resume item is present
  bool selecting = false;       // a selection is being made in the window
  bool gui_read_here = false;   // a read of the GUI thread waits on this window
  bool key_wait = false;        // a key wait of the GUI thread waits on this window
  bool paused = false;          // the program is paused
  bool reading_window = false;  // the pending read waits on this window
  bool key_event = false;       // a key wait of a program thread waits on this window
  bool direction_keys = false;  // PASSDIRKEYSQQ is on for the window
};

// The shell command a typed character gives: Ctrl+C exits and Ctrl+S /
// Ctrl+Q pause and resume while their items are present, and Escape
// resumes; in the full-screen window none of them does. `goes_on` tells
// whether the character then still goes to a waiting read or key wait:
// the control keys never do, Escape does unless it only ended a selection.
struct CharCommand {
  ShellCommand command = ShellCommand::kNone;
  bool goes_on = true;
};
CharCommand character_command(int code, const KeyState& s);

// Where a character that goes on is taken, asked after its command ran.
// Codes above 0xFF (direction and function keys) are no characters for a
// line: the line editor refuses them with the beep.
CharTarget character_target(int code, const KeyState& s);

// A key pressed (key down) in the window.
struct PressedKey {
  enum class Kind { kFunction, kNamed, kInsert, kOther };
  Kind kind = Kind::kOther;
  int function = 0;  // 1 ... 12 for kFunction
  NamedKey named = NamedKey::kUp;
};

enum class KeyDownTarget {
  kTypedCode,  // the key's code goes on as a typed character
  kCopy,       // Ctrl+Ins: the Copy command, when its item is enabled
  kPaste,      // Shift+Ins: the Paste command, when its item is enabled
  kKeyWait,    // the code goes to the GUI thread's key wait
  kKeyEvent,   // the code goes to a program thread's key wait
  kView,       // not taken: selection keys or scrolling
};

struct KeyDownRoute {
  KeyDownTarget target = KeyDownTarget::kView;
  std::uint16_t code = 0;
};

// With PASSDIRKEYSQQ on, the direction keys and F1 ... F10 are typed codes;
// otherwise F1 ... F12 go to a waiting key wait (a program thread's only
// while not paused) and every other key to the view.
KeyDownRoute route_key_down(const PressedKey& key, bool shift, bool ctrl, const KeyState& s);

}  // namespace shell
