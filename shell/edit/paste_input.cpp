// The paste buffer and the conversion of pasted pieces into input lines.
// Paste runs on the GUI thread and reads on program threads, so the one
// buffer of the shell is kept under a lock.
#include "shell/edit/paste_input.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace shell {
namespace {

constexpr int kTabBlanks = 8;

struct SharedPaste {
  std::mutex lock;
  PasteBuffer buffer;
  std::function<void(bool)> listener;
};

SharedPaste& shared() {
  static SharedPaste s;
  return s;
}

// Runs `change` on the buffer and tells the listener when pending changed.
template <typename Change>
auto change_buffer(Change change) {
  SharedPaste& s = shared();
  std::function<void(bool)> listener;
  bool before, after;
  std::unique_lock<std::mutex> lock(s.lock);
  before = s.buffer.pending();
  auto result = change(s.buffer);
  after = s.buffer.pending();
  listener = s.listener;
  lock.unlock();
  if (before != after && listener) listener(after);
  return result;
}

}  // namespace

bool PasteBuffer::start(std::string_view text) {
  clear();
  const std::size_t zero = text.find('\0');
  text_ = std::string(text.substr(0, zero));
  pending_ = !text_.empty();
  if (!pending_) text_.clear();
  return pending_;
}

void PasteBuffer::clear() {
  text_.clear();
  text_.shrink_to_fit();
  position_ = 0;
  last_length_ = 0;
  pending_ = false;
}

PastePiece PasteBuffer::next_piece(int max_count) {
  PastePiece piece;
  if (!pending_) return piece;
  position_ += last_length_;
  const std::size_t limit = static_cast<std::size_t>(std::max(max_count, 0));
  std::size_t n = 0;
  bool line_feed = false;
  while (n < limit && position_ + n < text_.size()) {
    line_feed = text_[position_ + n++] == '\n';
    if (line_feed) break;
  }
  piece.text = text_.substr(position_, n);
  last_length_ = n;
  const bool text_ended = position_ + n >= text_.size();
  const bool ran_out = text_ended && !line_feed && n < limit;
  piece.complete = line_feed || n == limit;
  if (ran_out) piece.complete = false;
  if (ran_out || (line_feed && text_ended)) clear();
  return piece;
}

bool start_paste(std::string_view text) {
  return change_buffer([text](PasteBuffer& b) { return b.start(text); });
}

void clear_paste() {
  change_buffer([](PasteBuffer& b) {
    b.clear();
    return 0;
  });
}

bool paste_pending() {
  SharedPaste& s = shared();
  std::lock_guard<std::mutex> lock(s.lock);
  return s.buffer.pending();
}

PastePiece GetPasteStg(int max_count) {
  return change_buffer([max_count](PasteBuffer& b) { return b.next_piece(max_count); });
}

void set_paste_listener(std::function<void(bool)> listener) {
  SharedPaste& s = shared();
  std::lock_guard<std::mutex> lock(s.lock);
  s.listener = std::move(listener);
}

std::string ProcessBuff(std::string_view piece) {
  std::string line;
  std::size_t at = 0;  // where the next character goes
  auto put = [&](char c) {
    if (at < line.size()) {
      line[at] = c;
    } else {
      line.push_back(c);
    }
    ++at;
  };
  for (char c : piece) {
    if (c == '\n') break;
    if (c == '\r') {
      at = 0;
    } else if (c == '\t') {
      for (int i = 0; i < kTabBlanks; ++i) put(' ');
    } else {
      put(c == '\0' ? ' ' : c);
    }
  }
  return line;
}

}  // namespace shell
