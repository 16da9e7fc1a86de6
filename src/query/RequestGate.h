// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "base/Clock.h"
#include "base/StatusLog.h"
#include "base/Timer.h"

namespace brevio {

// One remembered admitted request.
struct RecentRequest {
  std::int32_t stamp = 0;  // tick count when admitted
  std::string firstKey;
  std::string secondKey;
  std::string messageId = "-1";  // "-1" marks a free slot
};

// The request gate: refuses repeats of the last six admitted requests, and throttles the whole
// server down for 15 seconds when those six came too fast, so it never floods the channel.
class RequestGate {
 public:
  static constexpr std::size_t kSlots = 6;

  RequestGate(Clock& clock, Timer& timer1, StatusLog& log)
      : clock_(clock), timer1_(timer1), log_(log) {}

  void InitRecentRequests();

  // True when the caller may answer the request; false for a repeat or when too many came.
  bool AdmitRequest(const std::string& firstKey, const std::string& secondKey,
                    const std::string& messageId);

  // The handler of Timer1's tick: ends the throttled-down state.
  void Timer1Tick();

  bool ThrottledDown() const { return throttledDown_; }
  // Told each time the server throttles down (true) or up again (false).
  void OnThrottleChange(std::function<void(bool)> handler) { onThrottle_ = std::move(handler); }

  // Slot `index`, 1 to kSlots.
  const RecentRequest& RecentRequests(std::size_t index) const { return slots_.at(index - 1); }

 private:
  std::array<RecentRequest, kSlots> slots_{};
  bool throttledDown_ = false;
  std::function<void(bool)> onThrottle_;

  Clock& clock_;
  Timer& timer1_;
  StatusLog& log_;
};

}  // namespace brevio
