// Key waits and PASSDIRKEYSQQ. A wait on the GUI thread keeps serving
// messages; one on a program thread holds the window's third lock and
// blocks on the window's key event, which the typed key sets. After the wait
// only the window's shared keyboard state is touched.
#include <windows.h>

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "shell/child/child_input_win.h"
#include "shell/child/child_record_win.h"
#include "shell/child/input_pending_win.h"
#include "shell/child/keyboard_input_win.h"
#include "shell/child/keyboard_services.h"
#include "shell/startup/shell_state_win.h"

namespace shell {

ChildRecord* graphics_window();  // graphics_services_win.cpp

namespace {

// Waits for the key; false when the window was destroyed meanwhile.
bool wait_for_key(const std::shared_ptr<ChildInput>& input) {
  if (on_gui_thread()) {
    serve_messages_until([&] { return !input->key_wait || input->closed; });
  } else if (!wait_on_event(*input, &ChildInput::key_event)) {
    return false;
  }
  std::lock_guard<std::mutex> lock(keyboard_lock());
  input->key_wait = false;
  return !input->closed;
}

}  // namespace
}  // namespace shell

using namespace shell;

std::int16_t INCHAR() {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return 0;
  const std::shared_ptr<ChildInput> input = r->input;
  const std::string title = r->title;
  const int window = r->window_number;
  const bool gui = on_gui_thread();
  std::optional<Locked> third;
  if (!gui) third.emplace(input->third_lock);
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    if (input->kept_second >= 0) {  // the second byte of a double-byte key
      const int code = input->kept_second;
      input->kept_second = -1;
      return static_cast<std::int16_t>(code);
    }
    if (gui) {
      if (input->key_wait) return -1;
      input->key_wait = true;
    }
  }
  const int pending = begin_pending_input(title, window);
  const bool alive = wait_for_key(input);
  end_pending_input(pending);
  if (!alive) return 0;
  std::lock_guard<std::mutex> lock(keyboard_lock());
  return static_cast<std::int16_t>(input->key_code);
}

std::int16_t PASSDIRKEYSQQ(std::int16_t flag) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return 0;
  std::lock_guard<std::mutex> lock(keyboard_lock());
  const std::int32_t previous = r->input->direction_keys;
  r->input->direction_keys = flag;
  return static_cast<std::int16_t>(previous);
}
