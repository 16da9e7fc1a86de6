// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/RecentMessages.h"

#include <algorithm>

#include "base/Clock.h"
#include "host/aprs/CallSign.h"

namespace brevio {

namespace {

std::int32_t WindowOf(const std::string& number) {
  return number.empty() ? RecentMessages::kUnnumberedWindowMs : RecentMessages::kNumberedWindowMs;
}

}  // namespace

bool RecentMessages::IsCopy(const std::string& sender, const AprsMessage& message,
                            std::int32_t now) {
  const std::string station = StationIdentity(sender);
  // A negative age lies more than 24.8 days back.
  std::erase_if(heard_, [now](const Heard& heard) {
    const std::int32_t age = TicksBetween(heard.at, now);
    return age < 0 || age > WindowOf(heard.number);
  });
  const auto copy = std::find_if(heard_.begin(), heard_.end(), [&](const Heard& heard) {
    return heard.sender == station && heard.number == message.lineNumber &&
           heard.text == message.text;
  });
  if (copy != heard_.end()) {
    copy->at = now;
    return true;
  }
  if (heard_.size() == kMaxRemembered) heard_.pop_front();
  heard_.push_back({station, message.lineNumber, message.text, now});
  return false;
}

}  // namespace brevio
