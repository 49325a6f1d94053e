// Window slots. A slot is reserved under the window-table lock, then the
// child is created without the lock held: creation runs on the GUI thread,
// which must never wait for a lock that the asking thread holds.
#include "shell/units/window_table_win.h"

#include <atomic>
#include <mutex>
#include <string>

#include "shell/child/child_record_win.h"
#include "shell/child/child_window_win.h"
#include "shell/graphics/graphics_status.h"
#include "shell/startup/shell_state_win.h"

namespace shell {
namespace {

HWND const kReserved = reinterpret_cast<HWND>(static_cast<INT_PTR>(-1));

std::mutex g_table_lock;
HWND g_slots[kWindowSlots] = {};

int reserve_slot() {
  std::lock_guard<std::mutex> lock(g_table_lock);
  for (int i = 0; i < kWindowSlots; ++i) {
    if (g_slots[i] == nullptr) {
      g_slots[i] = kReserved;
      return i;
    }
  }
  return -1;
}

void free_slot(int slot) {
  std::lock_guard<std::mutex> lock(g_table_lock);
  g_slots[slot] = nullptr;
}

}  // namespace

HWND window_of(int number) {
  if (!window_number_in_range(number)) return nullptr;
  std::lock_guard<std::mutex> lock(g_table_lock);
  HWND h = g_slots[number - kFirstWindowNumber];
  return h == kReserved ? nullptr : h;
}

ChildRecord* record_of(int number) {
  HWND h = window_of(number);
  return h != nullptr ? child_record(h) : nullptr;
}

RecordHold hold_record(int number) {
  if (!window_number_in_range(number)) return RecordHold();
  std::lock_guard<std::mutex> lock(g_table_lock);
  HWND h = g_slots[number - kFirstWindowNumber];
  ChildRecord* r = h != nullptr && h != kReserved ? child_record(h) : nullptr;
  if (r == nullptr) return RecordHold();
  r->holds.fetch_add(1);
  return RecordHold(r);
}

int window_number_of(HWND hwnd) {
  if (hwnd == nullptr) return kNoWindow;
  std::lock_guard<std::mutex> lock(g_table_lock);
  for (int i = 0; i < kWindowSlots; ++i) {
    if (g_slots[i] == hwnd) return kFirstWindowNumber + i;
  }
  return kNoWindow;
}

void attach_slot(int number, HWND hwnd) {
  std::lock_guard<std::mutex> lock(g_table_lock);
  g_slots[number - kFirstWindowNumber] = hwnd;
}

void release_slot(HWND hwnd) {
  std::lock_guard<std::mutex> lock(g_table_lock);
  for (HWND& h : g_slots) {
    if (h == hwnd) h = nullptr;
  }
}

int open_window_count() {
  std::lock_guard<std::mutex> lock(g_table_lock);
  int n = 0;
  for (HWND h : g_slots) n += h != nullptr ? 1 : 0;
  return n;
}

int wgopen(const char* title) {
  const int slot = reserve_slot();
  if (slot < 0) {
    set_graphics_status(kStatusError);
    return kNoWindow;
  }
  const int number = kFirstWindowNumber + slot;
  const std::string caption =
      title != nullptr ? std::string(title) : "Graphic" + std::to_string(slot + 1);
  HWND hwnd = create_child_window(caption, number);
  if (hwnd == nullptr) {
    free_slot(slot);
    set_graphics_status(kStatusError);
    return kNoWindow;
  }
  attach_slot(number, hwnd);
  return number;
}

}  // namespace shell
