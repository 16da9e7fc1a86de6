#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "query/RequestGate.h"
#include "support/CoreHarness.h"
#include "support/ManualTimer.h"

namespace brevio::test {
namespace {

using ::testing::ElementsAre;

constexpr std::int32_t kSecond = 1000;

class RequestGateTest : public ::testing::Test {
 protected:
  RequestGateTest() {
    h.clock.tick = 10 * 60 * kSecond;  // the system has been up ten minutes
    gate.InitRecentRequests();
  }

  // Admits a request from `call` with its own number, `gap` after the previous one.
  bool RequestAfter(std::int32_t gap, const std::string& call = "N0CALL") {
    h.clock.Advance(gap);
    return gate.AdmitRequest(call, "QDOS     ", std::to_string(++number));
  }

  void AdmitSix(std::int32_t gap) {
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(RequestAfter(i == 0 ? 0 : gap));
  }

  CoreHarness h;
  ManualTimer timer;
  RequestGate gate{h.clock, timer, h.log};
  int number = 0;
};

TEST_F(RequestGateTest, FillsFreeSlotsFromOneToSix) {
  AdmitSix(30 * kSecond);
  for (std::size_t slot = 1; slot <= 6; ++slot) {
    EXPECT_EQ(gate.RecentRequests(slot).messageId, std::to_string(slot));
  }
}

struct RateCase {
  const char* what;
  std::int32_t gap;   // between the six admitted requests
  std::int32_t last;  // from the sixth to the seventh
  bool admitted;
};

class RequestGateRateTest : public RequestGateTest,
                            public ::testing::WithParamInterface<RateCase> {};

// The seventh passes when the six span two minutes or the newest of them is a minute old; it
// then takes the oldest slot, else the server throttles down for 15 s and stores nothing.
TEST_P(RequestGateRateTest, SeventhRequestPassesOnlyAtTheRateOfThreeAMinute) {
  AdmitSix(GetParam().gap);
  const bool admitted = GetParam().admitted;
  EXPECT_EQ(RequestAfter(GetParam().last), admitted);
  EXPECT_EQ(gate.ThrottledDown(), !admitted);
  EXPECT_EQ(timer.enabled, !admitted);
  EXPECT_EQ(gate.RecentRequests(1).messageId, admitted ? "7" : "1");
  EXPECT_EQ(gate.RecentRequests(1).stamp == h.clock.tick, admitted);
  EXPECT_EQ(h.StatusLines(),
            admitted ? std::vector<std::string>{} : std::vector<std::string>{"  Throttle down "});
  if (admitted) return;
  EXPECT_EQ(timer.interval, 15000);
  gate.Timer1Tick();
  EXPECT_FALSE(gate.ThrottledDown());
  EXPECT_FALSE(timer.enabled);
  EXPECT_EQ(h.StatusLines().back(), "  Throttle up");
}

INSTANTIATE_TEST_SUITE_P(
    Rates, RequestGateRateTest,
    ::testing::Values(RateCase{"TenSecondsApart", 10 * kSecond, 10 * kSecond, false},
                      RateCase{"ThirtySecondsApart", 30 * kSecond, 30 * kSecond, true},
                      RateCase{"SpanOfTwoMinutes", 24 * kSecond, 1, true},
                      RateCase{"SpanJustUnderTwoMinutes", 24 * kSecond - 1, 1, false},
                      RateCase{"NewestAMinuteOld", 10 * kSecond, 60 * kSecond, true},
                      RateCase{"NewestJustUnderAMinuteOld", 10 * kSecond, 60 * kSecond - 1, false}),
    [](const auto& testCase) { return std::string(testCase.param.what); });

TEST_F(RequestGateTest, AfterThrottleUpOnlyAQuietMinuteLetsRequestsPass) {
  AdmitSix(10 * kSecond);
  const std::int32_t newest = h.clock.tick;
  EXPECT_FALSE(RequestAfter(10 * kSecond));
  gate.Timer1Tick();

  h.clock.tick = newest + 30 * kSecond;
  EXPECT_FALSE(RequestAfter(0));
  EXPECT_TRUE(gate.ThrottledDown());
  gate.Timer1Tick();

  h.clock.tick = newest + 60 * kSecond;
  EXPECT_TRUE(RequestAfter(0));
}

TEST_F(RequestGateTest, RepeatIsRefusedAndChangesNothingUnlessItThrottles) {
  AdmitSix(30 * kSecond);
  h.clock.Advance(30 * kSecond);
  EXPECT_FALSE(gate.AdmitRequest("N0CALL", "QDOS     ", "3"));
  EXPECT_FALSE(gate.ThrottledDown());
  EXPECT_EQ(gate.RecentRequests(1).messageId, "1");
  EXPECT_TRUE(h.StatusLines().empty());
  // Another station, or another addressee, with the same number is no repeat.
  EXPECT_TRUE(gate.AdmitRequest("N0CALL-1", "QDOS     ", "3"));
}

TEST_F(RequestGateTest, RepeatWhileRequestsComeTooFastThrottles) {
  AdmitSix(10 * kSecond);
  h.clock.Advance(10 * kSecond);
  EXPECT_FALSE(gate.AdmitRequest("N0CALL", "QDOS     ", "3"));
  EXPECT_TRUE(gate.ThrottledDown());
}

TEST_F(RequestGateTest, SystemUpUnderAMinuteThrottlesTheFirstRequest) {
  h.clock.tick = 59 * kSecond;
  EXPECT_FALSE(gate.AdmitRequest("N0CALL", "N0CALL", "59000"));
  EXPECT_TRUE(gate.ThrottledDown());
}

TEST_F(RequestGateTest, SystemUpOneToTwoMinutesAdmitsOneRequestAMinute) {
  h.clock.tick = 90 * kSecond;
  EXPECT_TRUE(RequestAfter(0));
  EXPECT_FALSE(RequestAfter(30 * kSecond));
  EXPECT_TRUE(gate.ThrottledDown());
}

TEST_F(RequestGateTest, SixRequestsInOneMillisecondThrottleWithoutFailing) {
  AdmitSix(0);  // free slots reach back to the system start, so the table fills at once
  EXPECT_FALSE(RequestAfter(0));
  EXPECT_TRUE(gate.ThrottledDown());
}

// Stamps are compared by age, so the gate behaves the same whatever the tick count reads.
class RequestGateWrapTest : public RequestGateTest,
                            public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(RequestGateWrapTest, JudgesRatesAcrossTheSignChangeAndTheWrap) {
  h.clock.tick = GetParam();
  h.clock.Advance(-175 * kSecond);
  // Requests 30 s apart that straddle the turning point all pass ...
  AdmitSix(30 * kSecond);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(RequestAfter(30 * kSecond)) << i;
  EXPECT_FALSE(gate.ThrottledDown());
  // ... and a burst 5 s apart is throttled once six admitted ones span less than two minutes.
  int admitted = 0;
  while (RequestAfter(5 * kSecond)) ASSERT_LT(++admitted, 6);
  EXPECT_EQ(admitted, 2);
  EXPECT_TRUE(gate.ThrottledDown());
}

INSTANTIATE_TEST_SUITE_P(TurningPoints, RequestGateWrapTest,
                         ::testing::Values(INT32_MIN,  // sign change
                                           0));        // wrap back to zero

}  // namespace
}  // namespace brevio::test
