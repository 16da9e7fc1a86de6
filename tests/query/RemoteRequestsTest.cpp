#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "query/DigiPath.h"
#include "support/QueryHarness.h"

namespace brevio::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(DigiPathTest, SplitListKeepsNonEmptyUntrimmedPieces) {
  EXPECT_THAT(SplitList("A, B", ','), ElementsAre("A", " B"));
  EXPECT_THAT(SplitList(",,", ','), IsEmpty());
  EXPECT_THAT(SplitList("", ','), IsEmpty());
  EXPECT_THAT(SplitList(",WIDE1-1,,WIDE2-1,", ','), ElementsAre("WIDE1-1", "WIDE2-1"));
}

TEST(DigiPathTest, CountHopsCountsItemsAndRepliesViaWide) {
  EXPECT_EQ(CountHops("").count, 0);
  EXPECT_EQ(CountHops("").replyPath, "");
  EXPECT_EQ(CountHops(",,").count, 0);
  EXPECT_EQ(CountHops("WIDE1-1,WIDE2-1").count, 2);
  EXPECT_EQ(CountHops("A, B").replyPath, "WIDE");
}

// A remote request as the host hands it over.
struct Request {
  std::string call = "PA3XYZ-7";
  std::string path = "WIDE1-1";
  std::string returnPath = "WIDE2-2";
  std::int16_t port = 2;
  std::string type = "A";
  std::string text = "?time";
  bool doneIt = true;
};

class RemoteRequestsTest : public ::testing::Test {
 protected:
  void Raise(Request& r) {
    h.remote.NotifyRemotecommand(r.call, r.path, r.returnPath, r.port, r.type, r.text, r.doneIt);
  }

  QueryHarness h;
};

TEST_F(RemoteRequestsTest, AdmittedTimeRequestIsAnsweredAndLoggedInOrder) {
  Request r;
  Raise(r);
  const std::string now = "06.12.2026 00:10:00";
  EXPECT_THAT(
      h.StatusLines(),
      ElementsAre("= begin query ========================================", " from [PA3XYZ-7]",
                  " message = [?time]", " digipath = WIDE1-1", " reversed digipath = WIDE",
                  " honored", "Send msg : " + now + " (len=19, digipath = WIDE2-2message type = A)",
                  "= end query ========================================"));
  EXPECT_THAT(h.host.CallsOf("SendAPRSMessage"),
              ElementsAre("SendAPRSMessage(PA3XYZ-7|WIDE2-2|2|A|" + now + ")"));
  EXPECT_TRUE(r.doneIt);
  EXPECT_EQ(r.text, "?TIME");  // written back upper-cased
}

TEST_F(RemoteRequestsTest, ThrottledRequestLeavesDoneItAsTheHostPassedIt) {
  h.clock.tick = 30 * 1000;  // up half a minute: the first request throttles
  Request first;
  first.doneIt = false;
  Raise(first);
  ASSERT_TRUE(h.gate.ThrottledDown());
  h.txtStatus.content.clear();

  Request r;
  Raise(r);
  EXPECT_TRUE(r.doneIt);
  EXPECT_EQ(r.text, "?time");
  EXPECT_THAT(h.StatusLines(), ElementsAre("  Throttled down, ignoring this message "));
}

TEST_F(RemoteRequestsTest, ThreeHopsAreRefusedAfterTheQueryBlock) {
  Request r;
  r.path = "WIDE1-1,WIDE2-2,WIDE3-3";
  Raise(r);
  EXPECT_FALSE(r.doneIt);
  EXPECT_THAT(
      h.StatusLines(),
      ElementsAre("= begin query ========================================", " from [PA3XYZ-7]",
                  " message = [?time]", " digipath = WIDE1-1,WIDE2-2,WIDE3-3",
                  " reversed digipath = WIDE", " Ignored: hops (3) > max hops (2)",
                  "= end query ========================================"));
  EXPECT_TRUE(h.host.calls.size() == 0U);
}

TEST_F(RemoteRequestsTest, UnknownTopicAndGateRefusalLeaveDoneItFalse) {
  Request unknown;
  unknown.text = "?XYZ";
  Raise(unknown);
  EXPECT_FALSE(unknown.doneIt);
  EXPECT_THAT(h.StatusLines(), ::testing::Contains(" honored"));
  EXPECT_THAT(h.StatusLines(), ::testing::Contains("Unknown topic"));

  // A second request within the same tick from the same station is a repeat.
  h.txtStatus.content.clear();
  Request again;
  again.text = "?XYZ";
  Raise(again);
  EXPECT_FALSE(again.doneIt);
  EXPECT_THAT(h.StatusLines(), ::testing::Contains("Ignored (double)"));
}

TEST_F(RemoteRequestsTest, EmptyPathRepliesOverTheHostsReturnPath) {
  Request r;
  r.path = "";
  r.returnPath = "";
  Raise(r);
  EXPECT_THAT(h.StatusLines(), ::testing::Contains(" reversed digipath = "));
  EXPECT_THAT(h.host.CallsOf("SendAPRSMessage"),
              ElementsAre(::testing::StartsWith("SendAPRSMessage(PA3XYZ-7||2|A|")));
}

TEST_F(RemoteRequestsTest, BeaconIsOneLineFollowedByAnEmptyLine) {
  std::string call = "PA3XYZ";
  float lat = 52.5f;
  float lon = 4.25f;
  h.remote.NotifyBeacon(call, lat, lon);
  lat = 52.1234567f;
  lon = -0.0001f;
  h.remote.NotifyBeacon(call, lat, lon);
  EXPECT_THAT(h.StatusLines(), ElementsAre("NotifyBeacon(PA3XYZ, 52.5, 4.25)", "",
                                           "NotifyBeacon(PA3XYZ, 52.12346, -0.0001)", ""));
  EXPECT_EQ(h.logFile.Log().substr(h.logFile.Log().find("NotifyBeacon")),
            "NotifyBeacon(PA3XYZ, 52.5, 4.25)\r\n\r\n06.12.2026 00:10:00 NotifyBeacon(PA3XYZ, "
            "52.12346, -0.0001)\r\n\r\n");
}

}  // namespace
}  // namespace brevio::test
