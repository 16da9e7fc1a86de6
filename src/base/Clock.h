// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace brevio {

// The system's time as the server sees it.
class Clock {
 public:
  virtual ~Clock() = default;

  // Milliseconds since the system started, truncated to a signed 32-bit value: it changes sign
  // after about 24.8 days and wraps after about 49.7 days.
  virtual std::int32_t TickCount() = 0;

  // The current date in the regional short date form and the time in the long time form.
  virtual std::string ShortDate() = 0;
  virtual std::string LongTime() = 0;
};

// Milliseconds from `earlier` to `later`, correct across the sign change and the wrap of the tick
// count as long as the two lie less than about 24.8 days apart.
inline std::int32_t TicksBetween(std::int32_t earlier, std::int32_t later) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(later) -
                                   static_cast<std::uint32_t>(earlier));
}

}  // namespace brevio
