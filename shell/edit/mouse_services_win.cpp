// Mouse events and the mouse services. The slots and waits are guarded by
// the keyboard lock, as the key waits are; a program thread's wait holds
// its window's third lock and blocks on the window's mouse event, which the
// GUI thread sets; a wait on the GUI thread keeps serving messages.
#include "shell/edit/mouse_services_win.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "shell/child/child_input_win.h"
#include "shell/child/child_record_win.h"
#include "shell/child/input_pending_win.h"
#include "shell/child/keyboard_input_win.h"
#include "shell/edit/mouse_events.h"
#include "shell/edit/mouse_services.h"
#include "shell/startup/shell_state_win.h"
#include "shell/units/active_window_win.h"
#include "shell/units/unit_services.h"
#include "shell/units/window_table_win.h"

namespace shell {

ChildRecord* graphics_window();  // graphics_services_win.cpp

namespace {

// Under keyboard_lock().
MouseWaits g_waits;

std::int32_t event_bit(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      return kMouseLeftDown;
    case WM_LBUTTONUP:
      return kMouseLeftUp;
    case WM_LBUTTONDBLCLK:
      return kMouseLeftDoubleClick;
    case WM_RBUTTONDOWN:
      return kMouseRightDown;
    case WM_RBUTTONUP:
      return kMouseRightUp;
    case WM_RBUTTONDBLCLK:
      return kMouseRightDoubleClick;
    case WM_MOUSEMOVE:
      return kMouseMove;
    default:
      return 0;
  }
}

MouseView mouse_view(const ChildRecord& r, bool full_screen) {
  MouseView v;
  v.scaled = r.fit || full_screen;
  v.scroll_x = r.scroll_x;
  v.scroll_y = r.scroll_y;
  v.screen_width = r.screen_width;
  v.screen_height = r.screen_height;
  v.target_width = full_screen ? r.target_width : r.view_width;
  v.target_height = full_screen ? r.target_height : r.view_height;
  return v;
}

// Under keyboard_lock(): the event ends the waits for its bit; a program
// thread waiting in a window is woken through that window's event.
void end_waits(const MouseEvent& e) {
  if (!g_waits.deliver(e)) return;
  for (int n = kFirstWindowNumber; n < kFirstWindowNumber + kWindowSlots; ++n) {
    const ChildRecord* r = record_of(n);
    if (r != nullptr && r->input->mouse_event != nullptr) SetEvent(r->input->mouse_event);
  }
}

// Waits until wait `id` ended or the window closed.
void wait_for_event(int& id, std::int32_t mask, const std::shared_ptr<ChildInput>& input) {
  if (on_gui_thread()) {
    {
      std::lock_guard<std::mutex> lock(keyboard_lock());
      if (input->closed) return;
      id = g_waits.arm(mask);
    }
    serve_messages_until([&] { return g_waits.ended_by(id).has_value() || input->closed; });
    return;
  }
  // A woken thread whose wait did not end (another window's waiter was
  // meant) waits again.
  for (;;) {
    const bool waited = wait_on_event(*input, &ChildInput::mouse_event, [&] {
      if (id == 0) id = g_waits.arm(mask);
      // Ended while this thread was between two waits: no need to wait.
      if (g_waits.ended_by(id).has_value()) SetEvent(input->mouse_event);
    });
    if (!waited) return;
    std::lock_guard<std::mutex> lock(keyboard_lock());
    if (id == 0 || input->closed || g_waits.ended_by(id).has_value()) return;
  }
}

}  // namespace

bool on_mouse_message(HWND child, UINT msg, WPARAM wparam, LPARAM lparam, bool full_screen) {
  ChildRecord* r = child_record(child);
  const std::int32_t bit = event_bit(msg);
  if (r == nullptr || bit == 0) return false;
  MouseEvent e;
  e.bit = bit;
  e.key_state = static_cast<std::int32_t>(wparam & 0xFFFF);
  e.x = static_cast<short>(LOWORD(lparam));
  e.y = static_cast<short>(HIWORD(lparam));
  e = at_virtual_position(e, mouse_view(*r, full_screen));
  MouseRoutine routine = nullptr;
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    if (shell_state().program_state.load() != kProgramStatePaused)
      routine = r->mouse_slots.routine_for(bit);
    end_waits(e);
  }
  if (routine == nullptr) return false;
  const int window = r->window_number;
  wgsetactive(window);
  std::int32_t unit = GETUNITQQ(window);
  routine(&unit, &e.bit, &e.key_state, &e.x, &e.y);
  return true;
}

void set_window_pointer(HWND child) {
  const ChildRecord* r = child_record(child);
  HCURSOR pointer = r != nullptr && !r->selection.active() ? r->pointer : nullptr;
  SetCursor(pointer != nullptr ? pointer : LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace shell

using namespace shell;

namespace {

// The window of `unit` able to take routines, or null.
ChildRecord* unit_window(std::int32_t unit) {
  ChildRecord* r = record_of(GETHANDLEQQ(unit));
  return r != nullptr && !r->kept_after_close ? r : nullptr;
}

}  // namespace

std::int32_t REGISTERMOUSEEVENTQQ(std::int32_t unit, std::int32_t mask, MouseRoutine routine) {
  ChildRecord* r = unit_window(unit);
  if (r == nullptr) return -2;
  std::lock_guard<std::mutex> lock(keyboard_lock());
  return r->mouse_slots.set(mask, routine);
}

std::int32_t UNREGISTERMOUSEEVENTQQ(std::int32_t unit, std::int32_t mask) {
  ChildRecord* r = unit_window(unit);
  if (r == nullptr) return -2;
  std::lock_guard<std::mutex> lock(keyboard_lock());
  return r->mouse_slots.clear(mask);
}

std::int32_t WAITONMOUSEEVENTQQ(std::int32_t mask, std::int32_t& key_state, std::int32_t& x,
                                std::int32_t& y) {
  if ((mask & kAllMouseEvents) == 0) return -1;
  ChildRecord* r = graphics_window();
  if (r == nullptr) return -1;
  const std::shared_ptr<ChildInput> input = r->input;
  const std::string title = r->title;
  const int window = r->window_number;
  std::optional<Locked> third;
  if (!on_gui_thread()) third.emplace(input->third_lock);
  const int pending = begin_pending_input(title, window, ShellText::kMousePending);
  int id = 0;
  wait_for_event(id, mask, input);
  end_pending_input(pending);
  std::optional<MouseEvent> event;
  {
    std::lock_guard<std::mutex> lock(keyboard_lock());
    event = g_waits.ended_by(id);
    g_waits.disarm(id);
  }
  if (!event) return -1;
  key_state = event->key_state;
  x = event->x;
  y = event->y;
  return event->bit;
}

std::int32_t SETDBLCLKINTERVALQQ(std::int32_t milliseconds) {
  const DoubleClickSetting setting = double_click_setting(milliseconds);
  SetDoubleClickTime(static_cast<UINT>(setting.interval));
  return setting.result;
}

std::intptr_t setmousecursor(std::intptr_t pointer) {
  ChildRecord* r = graphics_window();
  if (r == nullptr) return 0;
  HCURSOR previous = r->pointer;
  r->pointer = reinterpret_cast<HCURSOR>(pointer);
  return reinterpret_cast<std::intptr_t>(previous);
}
