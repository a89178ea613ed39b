#pragma once
// Where the link checker reads the time for its time limits. The program uses
// the steady clock; tests put in a clock of their own, so a time limit does
// not depend on how fast the machine runs.
#include <chrono>

namespace velvara::linkcheck {

class Clock {
 public:
  virtual ~Clock() = default;
  // Only differences between two readings count.
  virtual std::chrono::milliseconds now() = 0;
};

class SteadyClock : public Clock {
 public:
  std::chrono::milliseconds now() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
  }
};

}  // namespace velvara::linkcheck
