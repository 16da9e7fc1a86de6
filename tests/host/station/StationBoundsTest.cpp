// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "host/aprs/Tnc2Line.h"
#include "host/station/FloodShedding.h"
#include "host/station/OutgoingMessages.h"
#include "host/station/ReplyAckPeers.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

Tnc2Frame Frame(const std::string& line) {
  return ParseTnc2Line(line, CallSignRule::AprsIs).value();
}

// One million callers offering reply-acks: the station keeps the newest thousand, each for a
// day of silence, and a caller heard again is the newest.
TEST(ReplyAckPeersTest, AMillionPeersStayWithinTheBoundOldestFirstAndADayOfSilenceForgets) {
  ReplyAckPeers peers;
  std::int32_t now = 0;
  peers.Heard("KEEP", "AA", now);
  for (int n = 0; n < 1000000; ++n) {
    peers.Heard("P" + std::to_string(n), "1", ++now);
    if (n % 500 == 0) peers.Heard("KEEP", "BB", now);
    ASSERT_LE(peers.Size(), ReplyAckPeers::kMaxPeers);
  }
  EXPECT_EQ(peers.Size(), ReplyAckPeers::kMaxPeers);
  EXPECT_EQ(peers.LatestNumber("KEEP", now), "BB");
  EXPECT_EQ(peers.LatestNumber("P999999", now), "1");
  EXPECT_EQ(peers.LatestNumber("P999000", now), std::nullopt);
  EXPECT_EQ(peers.LatestNumber("P999001", now), "1");
  EXPECT_EQ(peers.LatestNumber("P999999", now + ReplyAckPeers::kForgetAfterMs), "1");
  EXPECT_EQ(peers.LatestNumber("P999999", now + ReplyAckPeers::kForgetAfterMs + 1), std::nullopt);
  EXPECT_EQ(peers.Size(), 0u);
}

struct CountingTransport : Transport {
  void Transmit(const Tnc2Frame& frame, std::int16_t) override {
    sent.push_back(FormatTnc2Line(frame));
  }
  Lines sent;
};

// Messages awaiting their acks are bounded too: past the bound the oldest gives up.
TEST(OutgoingMessagesTest, PastTheBoundTheOldestAwaitingMessageGivesUp) {
  CountingTransport transport;
  OutgoingMessages outgoing(transport);
  const std::size_t count = OutgoingMessages::kMaxAwaiting + 1;
  for (std::size_t n = 0; n < count; ++n) {
    outgoing.Send(Frame("N0CALL-10>APZBRV:"), "PEER" + std::to_string(n), "hi", 1, 0);
  }
  transport.sent.clear();
  outgoing.Poll(OutgoingMessages::kRetryDelaysMs[0]);
  ASSERT_EQ(transport.sent.size(), OutgoingMessages::kMaxAwaiting);
  EXPECT_EQ(transport.sent.front(), "N0CALL-10>APZBRV::PEER1    :hi{2");
}

TEST(FloodSheddingTest, MessagesToTheStationAndQueriesMatterPositionsAndOthersTrafficDoNot) {
  const std::pair<const char*, bool> rows[] = {
      {"K1ABC>APRS::N0CALL-10:?WX{1", true},
      {"K1ABC>APRS::QDOS     :HELP{1", true},
      {"K1ABC>APRS::query:HELP{1", true},
      {"IGATE>APRS:}K1ABC>APRS,TCPIP,IGATE*::N0CALL-10:?WX{2", true},
      {"K1ABC>APRS::N0CALL-9 :?WX{1", false},
      {"K1ABC>APRS:!4903.50N/07201.75W-", false},
      {"K1ABC>APRS:>QUERY answered, a status", false},
      {"IGATE>APRS:}K1ABC>APRS,TCPIP,IGATE*:!4903.50N/07201.75W-", false},
      {"IGATE>APRS:}broken", false},
  };
  for (const auto& [line, kept] : rows) {
    EXPECT_EQ(MattersUnderLoad(Frame(line), "N0CALL-10"), kept) << line;
  }
}

}  // namespace
}  // namespace brevio::test
