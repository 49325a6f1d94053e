// Keeps analyses from overlapping: the first analysis runs on the program
// thread while the menus already work on the GUI thread, and the analysis
// routines use static storage. A menu command that arrives while an
// analysis or a Save is in progress is ignored.
#pragma once

#include <atomic>

namespace bvrank {

class AnalysisGuard {
 public:
  AnalysisGuard() : held_(!busy().exchange(true)) {}
  ~AnalysisGuard() {
    if (held_) busy().store(false);
  }
  AnalysisGuard(const AnalysisGuard&) = delete;
  AnalysisGuard& operator=(const AnalysisGuard&) = delete;
  // False when another analysis or Save was already running.
  bool held() const { return held_; }

 private:
  static std::atomic<bool>& busy() {
    static std::atomic<bool> flag{false};
    return flag;
  }
  bool held_;
};

}  // namespace bvrank
