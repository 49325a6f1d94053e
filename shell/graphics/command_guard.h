// File > Print... and File > Save... run one at a time: their dialogs serve
// the thread's messages, and a command that arrives meanwhile (a posted
// menu command, a second click) must not start a second print or save
// inside the first. Used on the GUI thread only.
#pragma once

namespace shell {

class OneWindowCommand {
 public:
  OneWindowCommand() : entered_(!running()) { running() = true; }
  ~OneWindowCommand() {
    if (entered_) running() = false;
  }
  OneWindowCommand(const OneWindowCommand&) = delete;
  OneWindowCommand& operator=(const OneWindowCommand&) = delete;
  // False when another print or save was already running.
  bool entered() const { return entered_; }

 private:
  static bool& running() {
    static bool flag = false;
    return flag;
  }
  bool entered_;
};

}  // namespace shell
