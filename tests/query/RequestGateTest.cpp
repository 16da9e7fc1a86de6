#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "query/RequestGate.h"
#include "support/CoreHarness.h"

namespace brevio::test {
namespace {

constexpr std::int32_t kSecond = 1000;

class RequestGateTest : public ::testing::Test, protected CoreHarness {
 protected:
  RequestGateTest() { Restart(10 * 60 * kSecond); }  // the system has been up ten minutes

  // A fresh gate at `tick`.
  void Restart(std::int32_t tick) {
    clock.tick = tick;
    gate.emplace(clock, timer, log);
    gate->InitRecentRequests();
    gate->OnThrottleChange([this](bool down) { changes.push_back(down); });
    changes.clear();
    timer = {};
    txtStatus.content.clear();
    number = 0;
  }

  // Admits a request from `call` with a number of its own, `gap` after the previous one.
  bool RequestAfter(std::int32_t gap, const std::string& call = "N0CALL") {
    clock.Advance(gap);
    return gate->AdmitRequest(call, "QDOS     ", std::to_string(++number));
  }

  void AdmitSix(std::int32_t gap) {
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(RequestAfter(i == 0 ? 0 : gap));
  }

  ManualTimer timer;
  std::optional<RequestGate> gate;
  int number = 0;
  std::vector<bool> changes;  // what the gate told of its throttle
};

// Six admitted requests `gap` apart fill the slots from 1 to 6; a seventh `last` after the sixth
// passes when the six span two minutes or the newest is a minute old, and takes the oldest slot.
// Else the server throttles down for 15 s, stores nothing, and Timer1 throttles it up again.
TEST_F(RequestGateTest, SeventhRequestPassesOnlyAtTheRateOfThreeAMinute) {
  const std::tuple<std::int32_t, std::int32_t, bool> rates[] = {
      {10 * kSecond, 10 * kSecond, false},
      {30 * kSecond, 30 * kSecond, true},
      {24 * kSecond, 1, true},
      {24 * kSecond - 1, 1, false},
      {10 * kSecond, 60 * kSecond, true},
      {10 * kSecond, 60 * kSecond - 1, false}};
  for (const auto& [gap, last, admitted] : rates) {
    SCOPED_TRACE(std::to_string(gap) + " then " + std::to_string(last));
    Restart(10 * 60 * kSecond);
    AdmitSix(gap);
    for (std::size_t slot = 1; slot <= 6; ++slot) {
      EXPECT_EQ(gate->RecentRequests(slot).messageId, std::to_string(slot));
    }
    EXPECT_EQ(RequestAfter(last), admitted);
    EXPECT_EQ(gate->ThrottledDown(), !admitted);
    EXPECT_EQ(changes, admitted ? std::vector<bool>{} : std::vector<bool>{true});
    EXPECT_EQ(timer.enabled, !admitted);
    EXPECT_EQ(gate->RecentRequests(1).messageId, admitted ? "7" : "1");
    EXPECT_EQ(gate->RecentRequests(1).stamp == clock.tick, admitted);
    EXPECT_EQ(StatusLines(),
              admitted ? std::vector<std::string>{} : std::vector<std::string>{"  Throttle down "});
    if (admitted) continue;
    EXPECT_EQ(timer.interval, 15000);
    gate->Timer1Tick();
    EXPECT_FALSE(gate->ThrottledDown());
    EXPECT_FALSE(timer.enabled);
    EXPECT_EQ(changes, (std::vector<bool>{true, false}));
    EXPECT_EQ(StatusLines().back(), "  Throttle up");
  }
}

// From a gate made at a tick, requests one per word: the seconds since the previous one and
// whether it passes (+) or not (-). Free slots count as stamped just after the system's start,
// and stamps compare by age across the sign change and the wrap of the tick count.
TEST_F(RequestGateTest, RequestsPassAsTheirAgesAllow) {
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
    Restart(start);
    std::istringstream words(steps);
    int seconds = 0;
    for (char passes; words >> seconds >> passes;) {
      EXPECT_EQ(RequestAfter(seconds * kSecond), passes == '+') << what << " request " << number;
    }
  }
}

// A repeat has the number and both keys of a stored request: refused, it changes nothing, unless
// the rate is too high, when it throttles like any other request.
TEST_F(RequestGateTest, RepeatIsRefusedAndChangesNothingUnlessItThrottles) {
  AdmitSix(30 * kSecond);
  clock.Advance(30 * kSecond);
  EXPECT_FALSE(gate->AdmitRequest("N0CALL", "QDOS     ", "3"));
  EXPECT_FALSE(gate->ThrottledDown());
  EXPECT_EQ(gate->RecentRequests(1).messageId, "1");
  EXPECT_TRUE(StatusLines().empty());
  EXPECT_TRUE(gate->AdmitRequest("N0CALL-1", "QDOS     ", "3"));
  EXPECT_TRUE(gate->AdmitRequest("N0CALL", "QUERY", "3"));

  Restart(10 * 60 * kSecond);
  AdmitSix(10 * kSecond);
  clock.Advance(10 * kSecond);
  EXPECT_FALSE(gate->AdmitRequest("N0CALL", "QDOS     ", "3"));
  EXPECT_TRUE(gate->ThrottledDown());
}

}  // namespace
}  // namespace brevio::test
