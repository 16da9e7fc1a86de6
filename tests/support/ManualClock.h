#pragma once

#include <cstdio>

#include "base/Clock.h"

namespace brevio::test {

// A clock the test sets by hand. The time text follows the tick count (as seconds of the day),
// and each read of it can step the clock on, so two stamps taken one after the other differ.
class ManualClock : public Clock {
 public:
  std::int32_t tick = 0;
  std::string date = "06.12.2026";
  std::int32_t stepPerTimeRead = 0;

  std::int32_t TickCount() override { return tick; }
  std::string ShortDate() override { return date; }
  std::string LongTime() override {
    const auto seconds = static_cast<unsigned>(tick / 1000) % 86400U;
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    tick = TicksAfter(tick, stepPerTimeRead);
    return text;
  }

  void Advance(std::int32_t ms) { tick = TicksAfter(tick, ms); }

 private:
  static std::int32_t TicksAfter(std::int32_t from, std::int32_t ms) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(from) +
                                     static_cast<std::uint32_t>(ms));
  }
};

}  // namespace brevio::test
