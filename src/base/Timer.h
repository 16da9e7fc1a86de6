// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace brevio {

// A timer of the main window; its owner routes each tick to the handler it serves.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(std::int32_t ms) = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

}  // namespace brevio
