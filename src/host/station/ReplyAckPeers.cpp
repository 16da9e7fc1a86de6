// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/ReplyAckPeers.h"

#include "base/Clock.h"

namespace brevio {

void ReplyAckPeers::Heard(const std::string& station, const std::string& number, std::int32_t now) {
  const auto known = byStation_.find(station);
  if (known != byStation_.end()) {
    peers_.erase(known->second);
    byStation_.erase(known);
  }
  peers_.push_back({station, number, now});
  byStation_.emplace(station, std::prev(peers_.end()));
  Forget(now);
}

std::optional<std::string> ReplyAckPeers::LatestNumber(const std::string& station,
                                                       std::int32_t now) {
  Forget(now);
  const auto known = byStation_.find(station);
  if (known == byStation_.end()) return std::nullopt;
  return known->second->number;
}

// A negative age lies more than 24.8 days back, past the wrap of the tick count.
void ReplyAckPeers::Forget(std::int32_t now) {
  while (!peers_.empty()) {
    const std::int32_t age = TicksBetween(peers_.front().heardAt, now);
    if (peers_.size() <= kMaxPeers && age >= 0 && age <= kForgetAfterMs) break;
    byStation_.erase(peers_.front().station);
    peers_.pop_front();
  }
}

}  // namespace brevio
