// Key routing in the window procedures. The window's state is read and the
// key delivered under the keyboard lock, so that a wait cannot end between
// the two; shell commands run after the lock is released.
#include "shell/child/key_routing_win.h"

#include <mutex>

#include "shell/child/child_commands_win.h"
#include "shell/child/child_input_win.h"
#include "shell/child/child_record_win.h"
#include "shell/child/child_view_win.h"
#include "shell/child/full_screen_win.h"
#include "shell/child/key_routing.h"
#include "shell/child/keyboard_input_win.h"
#include "shell/edit/marking_win.h"
#include "shell/frame/menu_table.h"
#include "shell/startup/shell_state_win.h"

namespace shell {
namespace {

bool paused() {
  return shell_state().program_state.load() == kProgramStatePaused;
}

// Under keyboard_lock().
KeyState key_state(const ChildRecord& r, bool full_screen) {
  KeyState s;
  s.full_screen = full_screen;
  s.paused = paused();
  s.gui_read_here = gui_read_waits_on(r.hwnd);
  s.reading_window = reading_window_is(r.hwnd);
  s.key_wait = r.input->key_wait;
  s.key_event = r.input->key_event != nullptr;
  s.direction_keys = r.input->direction_keys != 0;
  return s;
}

// Under keyboard_lock(): a key for the window's key wait. In double-byte
// mode a lead byte waits for its second byte, which the next wait gets.
void deliver_key(ChildInput& input, int code, bool program_thread) {
  if (shell_state().double_byte && code >= 0 && code <= 0xFF) {
    if (input.held_lead >= 0) {
      input.kept_second = code;
      code = input.held_lead;
      input.held_lead = -1;
    } else if (IsDBCSLeadByte(static_cast<BYTE>(code))) {
      input.held_lead = code;
      return;
    }
  }
  input.key_code = code;
  if (program_thread) {
    SetEvent(input.key_event);
    input.key_event = nullptr;  // the waiter owns and closes it; the next key finds no wait
  } else {
    input.key_wait = false;
  }
}

void run(HWND child, ShellCommand command) {
  switch (command) {
    case ShellCommand::kExit:
      on_child_command(child, kCmdExit);
      break;
    case ShellCommand::kPause:
      on_child_command(child, kCmdPause);
      break;
    case ShellCommand::kResume:
      on_child_command(child, kCmdResume);
      break;
    case ShellCommand::kNone:
      break;
  }
}

PressedKey pressed_key(int vk) {
  PressedKey key;
  if (vk >= VK_F1 && vk <= VK_F12) {
    key.kind = PressedKey::Kind::kFunction;
    key.function = vk - VK_F1 + 1;
    return key;
  }
  key.kind = PressedKey::Kind::kNamed;
  switch (vk) {
    case VK_PRIOR:
      key.named = NamedKey::kPageUp;
      break;
    case VK_NEXT:
      key.named = NamedKey::kPageDown;
      break;
    case VK_END:
      key.named = NamedKey::kEnd;
      break;
    case VK_HOME:
      key.named = NamedKey::kHome;
      break;
    case VK_LEFT:
      key.named = NamedKey::kLeft;
      break;
    case VK_UP:
      key.named = NamedKey::kUp;
      break;
    case VK_RIGHT:
      key.named = NamedKey::kRight;
      break;
    case VK_DOWN:
      key.named = NamedKey::kDown;
      break;
    case VK_INSERT:
      key.kind = PressedKey::Kind::kInsert;
      break;
    default:
      key.kind = PressedKey::Kind::kOther;
      break;
  }
  return key;
}

}  // namespace

void on_typed_character(HWND child, int code, bool full_screen) {
  ChildRecord* r = child_record(child);
  if (r == nullptr) return;
  KeyState s;
  s.full_screen = full_screen;
  s.selecting = r->selection.active();
  s.exit_present = item_present(kCmdExit);
  s.pause_present = item_present(kCmdPause);
  const CharCommand command = character_command(code, s);
  run(child, command.command);
  if (!command.goes_on) return;

  CharTarget target;
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    s = key_state(*r, full_screen);
    target = character_target(code, s);
    switch (target) {
      case CharTarget::kLineEditor:
        edit_line(*r, static_cast<unsigned char>(code));
        break;
      case CharTarget::kKeyWait:
      case CharTarget::kKeyEvent:
        deliver_key(*r->input, code, target == CharTarget::kKeyEvent);
        break;
      default:
        break;
    }
  }
  if (target == CharTarget::kLineEditor) move_caret(child);
  if (target == CharTarget::kBeep) MessageBeep(0);
  if (target == CharTarget::kEndFullScreen) toggle_full_screen(child);
}

bool on_key_down(HWND child, int virtual_key, bool full_screen) {
  ChildRecord* r = child_record(child);
  if (r == nullptr) return false;
  // In select mode the marker keys mark before anything else sees them.
  if (!full_screen && on_marker_key_down(child, virtual_key)) return true;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  KeyDownRoute route;
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    route = route_key_down(pressed_key(virtual_key), shift, ctrl, key_state(*r, full_screen));
    if (route.target == KeyDownTarget::kKeyWait || route.target == KeyDownTarget::kKeyEvent) {
      deliver_key(*r->input, route.code, route.target == KeyDownTarget::kKeyEvent);
      return true;
    }
  }
  switch (route.target) {
    case KeyDownTarget::kTypedCode:
      on_typed_character(child, route.code, full_screen);
      return true;
    case KeyDownTarget::kCopy:
    case KeyDownTarget::kPaste:
      return on_menu_key(child, virtual_key, false);
    default:
      break;
  }
  // Other keys scroll the view; the full-screen window shows all of it.
  return !full_screen && on_scroll_key(child, virtual_key);
}

bool on_sys_key_down(HWND child, int virtual_key, bool full_screen) {
  if (virtual_key == VK_RETURN) return !full_screen && on_menu_key(child, virtual_key, true);
  if (virtual_key == VK_F10) return on_key_down(child, virtual_key, full_screen);
  return false;
}

}  // namespace shell
