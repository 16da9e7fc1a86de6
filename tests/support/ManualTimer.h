#pragma once

#include "base/Timer.h"

namespace brevio::test {

// A timer that only remembers what it was told; the test fires its ticks.
class ManualTimer : public Timer {
 public:
  std::int32_t interval = 2000;
  bool enabled = false;

  void SetInterval(std::int32_t ms) override { interval = ms; }
  void SetEnabled(bool on) override { enabled = on; }
};

}  // namespace brevio::test
