// Key codes and where keys go: the shell's control keys, the order in which
// waiting reads and key waits take a character, and which pressed keys
// become codes.
#include "shell/child/key_routing.h"

#include <gtest/gtest.h>

namespace {

using shell::CharTarget;
using shell::KeyDownTarget;
using shell::KeyState;
using shell::NamedKey;
using shell::PressedKey;
using shell::ShellCommand;

TEST(KeyCodes, FunctionAndDirectionKeys) {
  EXPECT_EQ(shell::function_key_code(1, false, false), 0xE000 + 59);
  EXPECT_EQ(shell::function_key_code(1, true, false), 0xE000 + 84);
  EXPECT_EQ(shell::function_key_code(10, false, true), 0xE000 + 103);
  EXPECT_EQ(shell::function_key_code(11, false, false), 0xE000 + 133);
  EXPECT_EQ(shell::function_key_code(12, true, true), 0xE000 + 138) << "Ctrl wins over Shift";
  EXPECT_EQ(shell::direction_key_code(NamedKey::kUp, false), 0xF000 + 0x48);
  EXPECT_EQ(shell::direction_key_code(NamedKey::kDown, true), 0xF000 + 0x91);
}

TEST(CharacterCommand, ControlKeysActWhileTheirItemsArePresentEscapeGoesOn) {
  KeyState s;
  for (int key : {3, 17, 19}) {  // items absent: no command, and no character either
    EXPECT_EQ(shell::character_command(key, s).command, ShellCommand::kNone) << key;
    EXPECT_FALSE(shell::character_command(key, s).goes_on) << key;
  }
  s.exit_present = s.pause_present = true;
  EXPECT_EQ(shell::character_command(19, s).command, ShellCommand::kPause);
  EXPECT_EQ(shell::character_command(17, s).command, ShellCommand::kResume);
  EXPECT_EQ(shell::character_command(3, s).command, ShellCommand::kExit);
  EXPECT_EQ(shell::character_command(27, s).command, ShellCommand::kResume);
  EXPECT_TRUE(shell::character_command(27, s).goes_on);
  s.selecting = true;
  EXPECT_FALSE(shell::character_command(27, s).goes_on) << "it only ended the selection";
  s.full_screen = true;  // plain characters there
  EXPECT_EQ(shell::character_command(19, s).command, ShellCommand::kNone);
  EXPECT_TRUE(shell::character_command(19, s).goes_on);
}

TEST(CharacterTarget, WaitsTakeCharactersInTheirOrder) {
  struct Case {
    const char* what;
    KeyState s;
    int code;
    CharTarget target;
  };
  auto state = [](bool gui_read, bool key_wait, bool paused, bool reading, bool key_event) {
    KeyState s;
    s.gui_read_here = gui_read;
    s.key_wait = key_wait;
    s.paused = paused;
    s.reading_window = reading;
    s.key_event = key_event;
    return s;
  };
  const Case cases[] = {
      {"nothing waits", state(false, false, false, false, false), 'a', CharTarget::kBeep},
      {"GUI read, paused", state(true, true, true, true, false), 'a', CharTarget::kLineEditor},
      {"key wait first", state(false, true, true, true, true), 'a', CharTarget::kKeyWait},
      {"paused", state(false, false, true, true, true), 'a', CharTarget::kBeep},
      {"program read", state(false, false, false, true, true), 'a', CharTarget::kLineEditor},
      {"key event", state(false, false, false, false, true), 'a', CharTarget::kKeyEvent},
      {"code to a read", state(false, false, false, true, false), 0xF048, CharTarget::kBeep},
      {"code to a key wait", state(false, true, false, false, false), 0xF048, CharTarget::kKeyWait},
  };
  for (const Case& c : cases) EXPECT_EQ(shell::character_target(c.code, c.s), c.target) << c.what;

  KeyState full_screen;
  full_screen.full_screen = true;
  full_screen.reading_window = true;
  EXPECT_EQ(shell::character_target(27, full_screen), CharTarget::kEndFullScreen);
  EXPECT_EQ(shell::character_target(19, full_screen), CharTarget::kLineEditor);
}

PressedKey function(int n) {
  PressedKey k;
  k.kind = PressedKey::Kind::kFunction;
  k.function = n;
  return k;
}

PressedKey named(NamedKey key) {
  PressedKey k;
  k.kind = PressedKey::Kind::kNamed;
  k.named = key;
  return k;
}

TEST(KeyDown, DirectionKeysScrollUnlessPassedToTheProgram) {
  KeyState s;
  EXPECT_EQ(shell::route_key_down(named(NamedKey::kUp), false, false, s).target,
            KeyDownTarget::kView);
  s.direction_keys = true;
  const shell::KeyDownRoute up = shell::route_key_down(named(NamedKey::kUp), false, false, s);
  EXPECT_EQ(up.target, KeyDownTarget::kTypedCode);
  EXPECT_EQ(up.code, 0xF000 + 0x48);
  EXPECT_EQ(shell::route_key_down(function(10), true, false, s).target, KeyDownTarget::kTypedCode);
  EXPECT_EQ(shell::route_key_down(function(11), false, false, s).target, KeyDownTarget::kView)
      << "F11 and F12 are passed only to a waiting key request";
}

TEST(KeyDown, FunctionKeysGoToAWaitingKeyRequest) {
  KeyState s;
  EXPECT_EQ(shell::route_key_down(function(1), false, false, s).target, KeyDownTarget::kView);
  s.key_event = true;
  const shell::KeyDownRoute f12 = shell::route_key_down(function(12), false, true, s);
  EXPECT_EQ(f12.target, KeyDownTarget::kKeyEvent);
  EXPECT_EQ(f12.code, 0xE000 + 138);
  s.paused = true;
  EXPECT_EQ(shell::route_key_down(function(1), false, false, s).target, KeyDownTarget::kView);
  s.key_wait = true;
  EXPECT_EQ(shell::route_key_down(function(1), false, false, s).target, KeyDownTarget::kKeyWait);

  PressedKey insert;
  insert.kind = PressedKey::Kind::kInsert;
  EXPECT_EQ(shell::route_key_down(insert, false, true, s).target, KeyDownTarget::kCopy);
  EXPECT_EQ(shell::route_key_down(insert, true, false, s).target, KeyDownTarget::kPaste);
  EXPECT_EQ(shell::route_key_down(insert, false, false, s).target, KeyDownTarget::kView);
}

}  // namespace
