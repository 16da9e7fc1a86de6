// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "host/aprs/AprsMessage.h"

namespace brevio {

// The messages to the station heard lately, to tell a new message from another copy of one
// already taken up. A copy has the same sender (see StationIdentity), text and number (MM of a
// reply-ack number MM}AA, whose AA changes as our replies are acked) as a message heard within the
// last 30 minutes when it has a number (its sender retries it until acked, for about that long at
// most), within the last 30 seconds when it has none (then its copies come only from
// digipeaters, and the same text later is a new question). Each copy heard restarts its window.
class RecentMessages {
 public:
  static constexpr std::int32_t kNumberedWindowMs = 30 * 60000;
  static constexpr std::int32_t kUnnumberedWindowMs = 30000;
  // Enough for a busy channel's half hour; the oldest are forgotten first.
  static constexpr std::size_t kMaxRemembered = 200;

  // True when `message` from `sender` is a copy; remembers it either way.
  bool IsCopy(const std::string& sender, const AprsMessage& message, std::int32_t now);

 private:
  struct Heard {
    std::string sender;
    std::string number;
    std::string text;
    std::int32_t at = 0;
  };

  std::deque<Heard> heard_;
};

}  // namespace brevio
