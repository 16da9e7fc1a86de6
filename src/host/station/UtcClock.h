// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

namespace brevio {

// The calendar time in UTC, which object reports carry.
class UtcClock {
 public:
  virtual ~UtcClock() = default;
  virtual std::chrono::system_clock::time_point UtcNow() = 0;
};

}  // namespace brevio
