// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "query/DigiPath.h"
#include "support/QueryHarness.h"

namespace brevio::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsSupersetOf;

// Empty pieces are no hops; any hop at all is answered over "WIDE".
TEST(DigiPathTest, CountsTheNonEmptyPiecesAsHops) {
  for (const auto& [path, count] : {std::pair{"", 0}, {",,", 0}, {"A, B", 2}, {",W1,,W2,", 2}}) {
    EXPECT_EQ(CountHops(path).count, count) << path;
    EXPECT_EQ(CountHops(path).replyPath, count == 0 ? "" : "WIDE") << path;
  }
}

const std::string kBegin = "= begin query ========================================";
const std::string kEnd = "= end query ========================================";

struct RemoteRequestsTest : ::testing::Test, QueryHarness {
  // A request from PA3XYZ-7 on port 2 as the host hands it over; gives blnDoneIt back.
  bool Raise(std::string path, std::string text = "?time", std::string returnPath = "WIDE2-2",
             bool doneIt = true) {
    std::string call = "PA3XYZ-7", type = "A";
    std::int16_t port = 2;
    remote.NotifyRemotecommand(call, path, returnPath, port, type, text, doneIt);
    writtenBack = text;
    return doneIt;
  }

  std::string writtenBack;
};

TEST_F(RemoteRequestsTest, UpToTwoHopsAreAnsweredOverTheReturnPathAndThreeRefused) {
  EXPECT_TRUE(Raise("WIDE1-1"));
  const std::string now = "06.12.2026 00:10:00";
  EXPECT_THAT(
      StatusLines(),
      ElementsAre(kBegin, " from [PA3XYZ-7]", " message = [?time]", " digipath = WIDE1-1",
                  " reversed digipath = WIDE", " honored",
                  "Send msg : " + now + " (len=19, digipath = WIDE2-2message type = A)", kEnd));
  EXPECT_EQ(writtenBack, "?TIME");
  // Without a path the reply goes over the host's return path, here none.
  txtStatus.content.clear();
  clock.Advance(1);
  EXPECT_TRUE(Raise("", "?time", ""));
  EXPECT_EQ(StatusLines().at(4), " reversed digipath = ");
  clock.Advance(1);
  EXPECT_TRUE(Raise("WIDE1-1,WIDE2-2"));
  EXPECT_THAT(host.messages, ElementsAre(SentMessage{"PA3XYZ-7", "WIDE2-2", 2, "A", now},
                                         SentMessage{"PA3XYZ-7", "", 2, "A", now},
                                         SentMessage{"PA3XYZ-7", "WIDE2-2", 2, "A", now}));
  txtStatus.content.clear();
  clock.Advance(1);
  EXPECT_FALSE(Raise("WIDE1-1,WIDE2-2,WIDE3-3"));
  EXPECT_THAT(StatusLines(),
              ElementsAre(kBegin, " from [PA3XYZ-7]", " message = [?time]",
                          " digipath = WIDE1-1,WIDE2-2,WIDE3-3", " reversed digipath = WIDE",
                          " Ignored: hops (3) > max hops (2)", kEnd));
  EXPECT_EQ(host.calls.size(), 3U);
}

TEST_F(RemoteRequestsTest, ThrottledRequestLeavesDoneItAsTheHostPassedIt) {
  clock.tick = 30 * 1000;  // up half a minute: the first request throttles
  EXPECT_FALSE(Raise("WIDE1-1", "?time", "WIDE2-2", false));
  ASSERT_TRUE(gate.ThrottledDown());
  txtStatus.content.clear();
  EXPECT_TRUE(Raise("WIDE1-1"));
  EXPECT_EQ(writtenBack, "?time");
  EXPECT_THAT(StatusLines(), ElementsAre("  Throttled down, ignoring this message "));
}

// Remote requests carry no number: two within the same tick from one station are a repeat.
TEST_F(RemoteRequestsTest, UnknownTopicAndGateRefusalLeaveDoneItFalse) {
  EXPECT_FALSE(Raise("WIDE1-1", "?XYZ"));
  EXPECT_THAT(StatusLines(), IsSupersetOf({" honored", "Unknown topic"}));
  txtStatus.content.clear();
  EXPECT_FALSE(Raise("WIDE1-1", "?XYZ"));
  EXPECT_THAT(StatusLines(), IsSupersetOf({"Ignored (double)"}));
}

TEST_F(RemoteRequestsTest, BeaconIsOneLineFollowedByAnEmptyLine) {
  std::string call = "PA3XYZ";
  for (auto [lat, lon] : {std::pair{52.5f, 4.25f}, std::pair{52.1234567f, -0.0001f}}) {
    remote.NotifyBeacon(call, lat, lon);
  }
  EXPECT_THAT(StatusLines(), ElementsAre("NotifyBeacon(PA3XYZ, 52.5, 4.25)", "",
                                         "NotifyBeacon(PA3XYZ, 52.12346, -0.0001)", ""));
}

}  // namespace
}  // namespace brevio::test
