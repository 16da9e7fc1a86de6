// SPDX-License-Identifier: GPL-3.0-or-later
#include "query/RequestGate.h"

namespace brevio {

namespace {

// Six admitted requests must span at least two minutes (3 a minute), unless the newest of them
// is already a minute old.
constexpr std::uint32_t kMinimumSpan = 120000;
constexpr std::uint32_t kQuietTime = 60000;
constexpr std::int32_t kPause = 15000;

// How long before `now` the tick count read `stamp`. Unsigned, so that stamps compare by age
// across the sign change and the wrap of the 32-bit tick count.
std::uint32_t Age(std::int32_t stamp, std::int32_t now) {
  return static_cast<std::uint32_t>(now) - static_cast<std::uint32_t>(stamp);
}

}  // namespace

void RequestGate::InitRecentRequests() {
  // The slots start free already; start-up still clears them first, as the window's contract does.
  for (RecentRequest& slot : slots_) slot.messageId = "-1";
}

bool RequestGate::AdmitRequest(const std::string& firstKey, const std::string& secondKey,
                               const std::string& messageId) {
  const std::int32_t now = clock_.TickCount();
  // Stamp 1 stands for "just after the system started" when no slot is newer.
  std::int32_t oldest = now;
  std::int32_t newest = 1;
  RecentRequest* oldestSlot = nullptr;
  RecentRequest* freeSlot = nullptr;
  bool repeat = false;
  for (RecentRequest& slot : slots_) {
    if (slot.messageId == messageId && slot.firstKey == firstKey && slot.secondKey == secondKey) {
      repeat = true;
    }
    if (Age(slot.stamp, now) > Age(oldest, now)) {
      oldest = slot.stamp;
      oldestSlot = &slot;
    }
    if (Age(slot.stamp, now) < Age(newest, now)) newest = slot.stamp;
    if (freeSlot == nullptr && slot.messageId == "-1") freeSlot = &slot;
  }

  // A span of zero (six requests within one millisecond) counts as too fast, never as a
  // division by zero.
  const std::uint32_t span = Age(oldest, now) - Age(newest, now);
  const std::int32_t later = clock_.TickCount();
  if (span >= kMinimumSpan || Age(newest, later) >= kQuietTime) {
    if (repeat) return false;
    RecentRequest& slot = freeSlot ? *freeSlot : oldestSlot ? *oldestSlot : slots_.front();
    slot = {later, firstKey, secondKey, messageId};
    return true;
  }

  log_.LogStatus("  Throttle down ");
  throttledDown_ = true;
  timer1_.SetInterval(kPause);
  timer1_.SetEnabled(true);
  if (onThrottle_) onThrottle_(true);
  return false;
}

void RequestGate::Timer1Tick() {
  log_.LogStatus("  Throttle up");
  throttledDown_ = false;
  timer1_.SetEnabled(false);
  if (onThrottle_) onThrottle_(false);
}

}  // namespace brevio
