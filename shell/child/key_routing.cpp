// The routing rules of typed characters and pressed keys.
#include "shell/child/key_routing.h"

namespace shell {
namespace {

constexpr int kEscape = 27;
constexpr int kCtrlC = 3;
constexpr int kCtrlQ = 17;
constexpr int kCtrlS = 19;

}  // namespace

CharCommand character_command(int code, const KeyState& s) {
  CharCommand c;
  if (s.full_screen) return c;
  switch (code) {
    case kCtrlC:
      if (s.exit_present) c.command = ShellCommand::kExit;
      c.goes_on = false;
      break;
    case kCtrlS:
      if (s.pause_present) c.command = ShellCommand::kPause;
      c.goes_on = false;
      break;
    case kCtrlQ:
      if (s.pause_present) c.command = ShellCommand::kResume;
      c.goes_on = false;
      break;
    case kEscape:
      c.command = ShellCommand::kResume;
      c.goes_on = !s.selecting;
      break;
    default:
      break;
  }
  return c;
}

CharTarget character_target(int code, const KeyState& s) {
  if (s.full_screen && code == kEscape) return CharTarget::kEndFullScreen;
  const bool character = code >= 0 && code <= 0xFF;
  if (s.gui_read_here) return character ? CharTarget::kLineEditor : CharTarget::kBeep;
  if (s.key_wait) return CharTarget::kKeyWait;
  if (s.paused) return CharTarget::kBeep;
  if (s.reading_window) return character ? CharTarget::kLineEditor : CharTarget::kBeep;
  if (s.key_event) return CharTarget::kKeyEvent;
  return CharTarget::kBeep;
}

KeyDownRoute route_key_down(const PressedKey& key, bool shift, bool ctrl, const KeyState& s) {
  using Kind = PressedKey::Kind;
  KeyDownRoute route;
  const bool function = key.kind == Kind::kFunction && key.function >= 1 && key.function <= 12;
  if (s.direction_keys && key.kind == Kind::kNamed) {
    route.target = KeyDownTarget::kTypedCode;
    route.code = direction_key_code(key.named, ctrl);
    return route;
  }
  if (s.direction_keys && function && key.function <= 10) {
    route.target = KeyDownTarget::kTypedCode;
    route.code = function_key_code(key.function, shift, ctrl);
    return route;
  }
  if (key.kind == Kind::kInsert && (ctrl || shift)) {
    route.target = ctrl ? KeyDownTarget::kCopy : KeyDownTarget::kPaste;
    return route;
  }
  if (function) {
    route.code = function_key_code(key.function, shift, ctrl);
    if (s.key_wait) {
      route.target = KeyDownTarget::kKeyWait;
    } else if (!s.paused && s.key_event) {
      route.target = KeyDownTarget::kKeyEvent;
    }
  }
  return route;
}

}  // namespace shell
