// Keyboard input: the read request of the unit bridge, the line typed for
// it, and the state of the one read that may wait at a time. A read on the
// GUI thread (from a menu routine) keeps serving messages while it waits; a
// read on a program thread blocks on an event that the line end sets.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace shell {

struct ChildRecord;
struct ChildInput;

// Reads one line typed in window `window_number` into `buffer`: at most
// `length` bytes, the rest of a longer line going to the next reads from the
// window without waiting. The number of bytes delivered (the line end is not
// delivered), or -1 for a bad, missing or closed window, a read on the GUI
// thread while another read waits, or a window destroyed during the wait.
std::int32_t Read(char* buffer, std::int32_t length, std::int32_t window_number);

// A Write in mode 1 hands the reader a buffer. Reads always edit their own
// line, so the buffer is not kept.
void set_keyboard_buffer(int window, char* buffer, int length);

// Guards the read state, every ChildInput and the input-pending state.
// Taken for short steps only, never while waiting, and before a window's
// text and drawing locks and the menu lock (the pause takes it first, so
// that it never stops a thread holding it).
std::mutex& keyboard_lock();

// Under keyboard_lock(): the pending read waits on `child`, on the GUI thread.
bool reading_window_is(HWND child);
bool gui_read_waits_on(HWND child);
// Under keyboard_lock(), on the GUI thread: a character for the pending
// read's line editor, typed in `child`.
void edit_line(ChildRecord& child, unsigned char c);

// Serves the GUI thread's messages until `done` (asked under
// keyboard_lock()) holds; keeps serving while the program is paused.
void serve_messages_until(const std::function<bool()>& done);

// On a program thread: puts a new manual-reset event into `input`'s field
// `slot`, where the GUI thread sets it, and waits for it without time limit;
// `publish` runs as it is put there, under keyboard_lock(). Once the window
// is closed nothing is waited for. False when no event could be made.
bool wait_on_event(ChildInput& input, HANDLE ChildInput::*slot,
                   const std::function<void()>& publish = {});

// The window is being destroyed: waits on it end at once (-1 for a read).
void end_input_on_destroy(ChildRecord& r);

// Pasted text has arrived: a waiting read wakes to take it.
void wake_read_for_paste();

}  // namespace shell
