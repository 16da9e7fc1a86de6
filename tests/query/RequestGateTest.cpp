// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "query/RequestGate.h"
#include "support/CoreHarness.h"

namespace brevio::test {
namespace {

constexpr std::int32_t kSecond = 1000;

// A gate made on a system up `tick` ms (ten minutes unless told), that records what it tells of
// its throttle.
struct GateHarness : CoreHarness {
  explicit GateHarness(std::int32_t tick = 10 * 60 * kSecond) {
    clock.tick = tick;
    gate.InitRecentRequests();
    gate.OnThrottleChange([this](bool down) { changes.push_back(down); });
  }

  // Admits a request with a number of its own, `gap` after the previous one.
  bool RequestAfter(std::int32_t gap) {
    clock.Advance(gap);
    return gate.AdmitRequest("N0CALL", "QDOS     ", std::to_string(++number));
  }

  void AdmitSix(std::int32_t gap) {
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(RequestAfter(i == 0 ? 0 : gap));
  }

  ManualTimer timer;
  RequestGate gate{clock, timer, log};
  int number = 0;
  std::vector<bool> changes;
};

// Six admitted requests `gap` apart fill the slots from 1 to 6; a seventh `last` after the sixth
// passes when the six span two minutes or the newest is a minute old, and takes the oldest slot.
// Else the server throttles down for 15 s, stores nothing, and Timer1 throttles it up again.
TEST(RequestGateTest, SeventhRequestPassesOnlyAtTheRateOfThreeAMinute) {
  const std::tuple<std::int32_t, std::int32_t, bool> rates[] = {
      {10000, 10000, false}, {30000, 30000, true}, {24000, 1, true},
      {23999, 1, false},     {10000, 60000, true}, {10000, 59999, false}};  // in ms
  for (const auto& [gap, last, admitted] : rates) {
    SCOPED_TRACE(std::to_string(gap) + " then " + std::to_string(last));
    GateHarness h;
    h.AdmitSix(gap);
    for (std::size_t slot = 1; slot <= 6; ++slot) {
      EXPECT_EQ(h.gate.RecentRequests(slot).messageId, std::to_string(slot));
    }
    EXPECT_EQ(h.RequestAfter(last), admitted);
    EXPECT_EQ(h.gate.ThrottledDown(), !admitted);
    EXPECT_EQ(h.changes, admitted ? std::vector<bool>{} : std::vector<bool>{true});
    EXPECT_EQ(h.timer.enabled, !admitted);
    EXPECT_EQ(h.gate.RecentRequests(1).messageId, admitted ? "7" : "1");
    EXPECT_EQ(h.gate.RecentRequests(1).stamp == h.clock.tick, admitted);
    EXPECT_EQ(h.StatusLines(),
              admitted ? std::vector<std::string>{} : std::vector<std::string>{"  Throttle down "});
    if (admitted) continue;
    EXPECT_EQ(h.timer.interval, 15000);
    h.gate.Timer1Tick();
    EXPECT_FALSE(h.gate.ThrottledDown());
    EXPECT_FALSE(h.timer.enabled);
    EXPECT_EQ(h.changes, (std::vector<bool>{true, false}));
    EXPECT_EQ(h.StatusLines().back(), "  Throttle up");
  }
}

// From a gate made at a tick, requests one per word: the seconds since the previous one and
// whether it passes (+) or not (-). Free slots count as stamped just after the system's start,
// and stamps compare by age across the sign change and the wrap of the tick count.
TEST(RequestGateTest, RequestsPassAsTheirAgesAllow) {
  const std::string sixAt30 = "0+ 30+ 30+ 30+ 30+ 30+ ";
  const std::tuple<const char*, std::int32_t, std::string> runs[] = {
      {"up under a minute", 59 * kSecond, "0-"},
      {"up exactly a minute", 60 * kSecond, "0-"},
      {"up a minute and a millisecond", 60 * kSecond + 1, "0+"},
      {"up 90 s: one per minute", 90 * kSecond, "0+ 30- 30+"},
      {"six in one millisecond", 10 * 60 * kSecond, "0+ 0+ 0+ 0+ 0+ 0+ 0-"},
      {"only a quiet minute after a throttle", 10 * 60 * kSecond,
       "0+ 10+ 10+ 10+ 10+ 10+ 10- 20- 30+"},
      {"across the sign change", INT32_MAX - 175 * kSecond + 1, sixAt30 + "30+ 30+ 30+ 5+ 5+ 5-"},
      {"across the wrap", -175 * kSecond, sixAt30 + "30+ 30+ 30+ 5+ 5+ 5-"},
  };
  for (const auto& [what, start, steps] : runs) {
    GateHarness h(start);
    std::istringstream words(steps);
    int seconds = 0;
    for (char passes; words >> seconds >> passes;) {
      EXPECT_EQ(h.RequestAfter(seconds * kSecond), passes == '+') << what << " #" << h.number;
    }
  }
}

// A repeat has the number and both keys of a stored request: refused, it changes nothing, unless
// the rate is too high, when it throttles like any other request.
TEST(RequestGateTest, RepeatIsRefusedAndChangesNothingUnlessItThrottles) {
  GateHarness h;
  h.AdmitSix(30 * kSecond);
  h.clock.Advance(30 * kSecond);
  EXPECT_FALSE(h.gate.AdmitRequest("N0CALL", "QDOS     ", "3"));
  EXPECT_FALSE(h.gate.ThrottledDown());
  EXPECT_EQ(h.gate.RecentRequests(1).messageId, "1");
  EXPECT_TRUE(h.StatusLines().empty());
  EXPECT_TRUE(h.gate.AdmitRequest("N0CALL-1", "QDOS     ", "3"));
  EXPECT_TRUE(h.gate.AdmitRequest("N0CALL", "QUERY", "3"));

  GateHarness fast;
  fast.AdmitSix(10 * kSecond);
  fast.clock.Advance(10 * kSecond);
  EXPECT_FALSE(fast.gate.AdmitRequest("N0CALL", "QDOS     ", "3"));
  EXPECT_TRUE(fast.gate.ThrottledDown());
}

}  // namespace
}  // namespace brevio::test
