// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/aprs/Tnc2Frame.h"
#include "host/station/Transport.h"

namespace brevio {

// A random number from 0 to below `bound` (at least 1).
std::int32_t RandomBelow(std::int32_t bound);

// The station's position beacon: sent when it starts, then once every interval, and as the
// answer to a position query. Two beacons are never closer than 31 s (the networks would drop
// the second as a duplicate), counted from when the earlier one left the link, and a beacon that
// waited for a link that was down starts the interval afresh when it leaves: a link that comes
// back brings no burst.
class StationBeacon {
 public:
  static constexpr std::int32_t kMinSpacingMs = 31000;
  // A general query is answered after a random delay within this window, so that the stations
  // that hear it do not all answer at once; a flood of them gets one answer per window.
  static constexpr std::int32_t kQueryWindowMs = 120000;

  explicit StationBeacon(Transport& transport) : transport_(transport) {}

  // Sends `frame` on `port` at `now` and every `intervalMs` after.
  void Start(Tnc2Frame frame, std::int16_t port, std::int32_t intervalMs, std::int32_t now);
  bool Started() const { return frame_.has_value(); }
  const std::optional<Tnc2Frame>& Frame() const { return frame_; }

  // Sends the beacon soon after `now`: as soon as the spacing allows, or (`delayMs`, for a
  // general query) that long after `now` unless this window's answer is already planned.
  void AnswerQuery(std::int32_t now, std::optional<std::int32_t> delayMs = std::nullopt);

  void Poll(std::int32_t now);
  // See OutgoingMessages::Left.
  void Left(std::string_view info, std::int32_t now);
  std::optional<std::int32_t> NextDue() const;

 private:
  void Plan(std::int32_t at);

  Transport& transport_;
  std::optional<Tnc2Frame> frame_;
  std::int16_t port_ = 0;
  std::int32_t intervalMs_ = 0;
  std::int32_t next_ = 0;
  std::int32_t lastLeft_ = 0;
  std::optional<std::int32_t> answer_;
  std::optional<std::int32_t> windowEnds_;
};

}  // namespace brevio
