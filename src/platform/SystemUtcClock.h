// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/station/UtcClock.h"

namespace brevio {

// The system's calendar clock.
class SystemUtcClock : public UtcClock {
 public:
  std::chrono::system_clock::time_point UtcNow() override {
    return std::chrono::system_clock::now();
  }
};

}  // namespace brevio
