// Read requests. One read owns the input line at a time: a read on a
// program thread waits for its turn, one on the GUI thread (which must not
// block) gets -1 while another read waits. After its wait a read touches
// only its window's shared keyboard state, never the window's record, which
// may be gone by then.
#include "shell/child/keyboard_input_win.h"

#include <condition_variable>
#include <optional>
#include <string>

#include "shell/child/child_input_win.h"
#include "shell/child/child_record_win.h"
#include "shell/child/input_pending_win.h"
#include "shell/child/line_editor.h"
#include "shell/child/text_output_win.h"
#include "shell/edit/paste_input.h"
#include "shell/frame/window_config_win.h"
#include "shell/graphics/graphics_status.h"
#include "shell/startup/shell_state_win.h"
#include "shell/startup/thread_registry_win.h"
#include "shell/units/window_table_win.h"

namespace shell {
namespace {

bool lead_byte(unsigned char b) {
  return IsDBCSLeadByte(b) != 0;
}

// The read state of the whole shell, under keyboard_lock().
struct ReadState {
  bool turn_taken = false;        // a read owns the line
  bool gui_read_waiting = false;  // the owner is a GUI-thread read, waiting
  HWND reading_window = nullptr;  // the window the waiting read waits on
  std::shared_ptr<ChildInput> reading_input;
  bool line_ended = false;  // CR or LF ended the line
  LineEditor line{shell_state().double_byte ? lead_byte : nullptr};
};

ReadState& state() {
  static ReadState s;
  return s;
}

std::condition_variable& turn_free() {
  static std::condition_variable cv;
  return cv;
}

// Echo and erase in the window the line is typed in.
class WindowLineScreen : public LineScreen {
 public:
  explicit WindowLineScreen(ChildRecord& r) : r_(r) {}
  void echo(std::string_view text) override { write_text(r_, text, false); }
  bool at_home() const override {
    return r_.text_position.row == 1 && r_.text_position.column == 1;
  }
  void erase_back() override { erase_previous_cell(r_); }
  void beep() override { MessageBeep(0); }

 private:
  ChildRecord& r_;
};

// The waiting read wakes: its line ended, or pasted text arrived. Keys
// typed before it has taken the line find no read waiting.
void wake_reader() {
  ReadState& s = state();
  if (s.gui_read_waiting) {
    s.gui_read_waiting = false;
  } else if (s.reading_input != nullptr && s.reading_input->read_event != nullptr) {
    SetEvent(s.reading_input->read_event);
  }
  s.reading_window = nullptr;
}

// Owning the line for one read.
class ReadTurn {
 public:
  // A program thread waits for the turn; the GUI thread gets none while
  // another read owns the line.
  explicit ReadTurn(bool gui) {
    std::unique_lock<std::mutex> lock(keyboard_lock());
    if (gui && state().turn_taken) return;
    turn_free().wait(lock, [] { return !state().turn_taken; });
    state().turn_taken = true;
    held_ = true;
  }
  ~ReadTurn() {
    if (!held_) return;
    {
      std::lock_guard<std::mutex> lock(keyboard_lock());
      state().turn_taken = false;
    }
    turn_free().notify_all();
  }
  ReadTurn(const ReadTurn&) = delete;
  ReadTurn& operator=(const ReadTurn&) = delete;
  bool held() const { return held_; }

 private:
  bool held_ = false;
};

// Waits until the line ends (or pasted text arrives); false when the window
// was destroyed meanwhile.
bool wait_for_line(HWND hwnd, const std::shared_ptr<ChildInput>& input) {
  ReadState& s = state();
  if (on_gui_thread()) {
    {
      std::lock_guard<std::mutex> lock(keyboard_lock());
      if (input->closed) return false;
      s.gui_read_waiting = true;
      s.reading_window = hwnd;
      s.reading_input = input;
    }
    serve_messages_until([&] { return !state().gui_read_waiting; });
  } else if (!wait_on_event(*input, &ChildInput::read_event, [&] {
               s.reading_window = hwnd;
               s.reading_input = input;
             })) {
    return false;
  }
  std::lock_guard<std::mutex> lock(keyboard_lock());
  s.gui_read_waiting = false;
  s.reading_window = nullptr;
  s.reading_input.reset();
  return !input->closed;
}

// Pasted text that woke the read goes into the line; true when it ended the
// line, or when the window is gone.
bool take_pasted_text(int window_number, const std::shared_ptr<ChildInput>& input) {
  int room;
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    room = kLineCapacity - 2 - state().line.length();
  }
  const PastePiece piece = GetPasteStg(room);
  const std::string text = ProcessBuff(piece.text);
  ChildRecord* r = record_of(window_number);
  if (r == nullptr || r->input != input) return true;
  std::lock_guard<std::mutex> lock(keyboard_lock());
  WindowLineScreen screen(*r);
  state().line.append(text, room, screen);
  return piece.complete;
}

}  // namespace

std::mutex& keyboard_lock() {
  static std::mutex lock;
  return lock;
}

bool reading_window_is(HWND child) {
  return child != nullptr && state().reading_window == child;
}

bool gui_read_waits_on(HWND child) {
  return state().gui_read_waiting && reading_window_is(child);
}

void edit_line(ChildRecord& child, unsigned char c) {
  WindowLineScreen screen(child);
  if (state().line.type(c, screen) != EditResult::kLineEnd) return;
  state().line_ended = true;
  wake_reader();
}

bool wait_on_event(ChildInput& input, HANDLE ChildInput::*slot,
                   const std::function<void()>& publish) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (event == nullptr) return false;
  bool closed;
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    closed = input.closed;
    if (!closed) {
      input.*slot = event;
      if (publish) publish();
    }
  }
  if (!closed) WaitForSingleObject(event, INFINITE);
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    input.*slot = nullptr;
  }
  CloseHandle(event);
  return true;
}

void serve_messages_until(const std::function<bool()>& done) {
  for (;;) {
    {
      std::lock_guard<std::mutex> lock(keyboard_lock());
      if (done()) return;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 250, QS_ALLINPUT);
    Yield();
  }
}

std::int32_t Read(char* buffer, std::int32_t length, std::int32_t window_number) {
  if (length < 0 || (length > 0 && buffer == nullptr)) return -1;
  // Held for the whole read: a window destroyed meanwhile keeps its record
  // alive until the read has let go of it.
  const RecordHold hold = hold_record(window_number);
  ChildRecord* r = hold.get();
  if (r == nullptr || r->kept_after_close) return -1;
  HWND hwnd = r->hwnd;
  ensure_configured(*r);
  if (!r->configured) return -1;
  const std::shared_ptr<ChildInput> input = r->input;
  const std::string title = r->title;
  const bool gui = on_gui_thread();
  std::optional<Locked> third;
  if (!gui) third.emplace(input->third_lock);

  // The rest of an earlier line typed in this window goes out first.
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    if (input->closed) return -1;
    if (!input->rest.empty()) {
      const std::string rest = std::move(input->rest);
      return take_line(rest, buffer, length, input->rest);
    }
  }
  ReadTurn turn(gui);
  if (!turn.held()) return -1;
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    state().line.clear();
    state().line_ended = false;
  }

  // Pasted text waiting: a whole line of it is the result at once, a part
  // of one starts the line.
  bool finished = false;
  if (paste_pending()) {
    const PastePiece piece = GetPasteStg(length);
    const std::string text = ProcessBuff(piece.text);
    std::lock_guard<std::mutex> lock(keyboard_lock());
    if (piece.complete) {
      write_text(*r, text, false);
      return take_line(text, buffer, length, input->rest);
    }
    WindowLineScreen screen(*r);
    state().line.append(text, kLineCapacity, screen);
  }

  while (!finished) {
    const int pending = begin_pending_input(title, window_number);
    const std::int16_t status = graphics_status();
    const bool alive = wait_for_line(hwnd, input);
    set_graphics_status(status);
    end_pending_input(pending);
    if (!alive) return -1;
    {
      std::lock_guard<std::mutex> lock(keyboard_lock());
      finished = state().line_ended;
    }
    if (!finished && paste_pending()) finished = take_pasted_text(window_number, input);
  }
  std::lock_guard<std::mutex> lock(keyboard_lock());
  const std::string line(state().line.line());
  return take_line(line, buffer, length, input->rest);
}

void set_keyboard_buffer(int, char*, int) {}

void end_input_on_destroy(ChildRecord& r) {
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    ChildInput& input = *r.input;
    input.closed = true;
    input.key_wait = false;
    if (input.key_event != nullptr) SetEvent(input.key_event);
    if (input.read_event != nullptr) SetEvent(input.read_event);
    if (input.mouse_event != nullptr) SetEvent(input.mouse_event);
    if (state().reading_window == r.hwnd) wake_reader();
  }
  forget_pending_inputs(r.window_number);
}

void wake_read_for_paste() {
  std::lock_guard<std::mutex> lock(keyboard_lock());
  wake_reader();
}

}  // namespace shell
