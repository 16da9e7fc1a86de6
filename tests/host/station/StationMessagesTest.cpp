#include <gtest/gtest.h>

#include "StationHarness.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kFirst = "1 N0CALL-10>APZBRV,WIDE1-1::N0CALL   :Hello{1";

// Numbers go on from the saved one and come round after 99999.
TEST(StationMessages, EachMessageGetsTheNextNumberAndHonoursPathAndPort) {
  StationHarness h;
  h.folder.Write("brevio-message-number.txt", "99998\n");
  h.link->SendAPRSMessage("N0CALL", "WIDE", 1, "A", "Hello");
  h.link->SendAPRSMessage("N0CALL-7", "", 3, "A", " ?WX?HELP");
  h.link->SendAPRSMessage("AB1CD", "WIDE2-2", 2, "A", "");
  EXPECT_EQ(h.transport.sent, (Lines{"1 N0CALL-10>APZBRV,WIDE1-1::N0CALL   :Hello{99999",
                                     "3 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL-7 : ?WX?HELP{1",
                                     "2 N0CALL-10>APZBRV,WIDE2-2::AB1CD    :{2"}));
}

// Tries at 0, 30, 90, 210 and 450 seconds; nothing after the fifth.
TEST(StationMessages, UnackedMessageIsRetriedOnItsScheduleAndThenGivenUp) {
  StationHarness h;
  h.link->SendAPRSMessage("N0CALL", "WIDE", 1, "A", "Hello");
  EXPECT_TRUE(h.timer.enabled);
  std::vector<std::int32_t> intervals{h.timer.interval};
  for (const std::int32_t step : {29999, 1, 60000, 120000, 240000}) {
    h.core.clock.Advance(step);
    h.station.Poll();
    if (h.timer.enabled) intervals.push_back(h.timer.interval);
  }
  EXPECT_EQ(h.transport.sent, Lines(5, kFirst));
  EXPECT_EQ(intervals, (std::vector<std::int32_t>{30000, 1, 60000, 120000, 240000}));
  EXPECT_FALSE(h.timer.enabled);
}

TEST(StationMessages, AnswerFromTheAddresseeStopsTheRetries) {
  const std::pair<const char*, bool> answers[] = {
      {"N0CALL>APRS,WIDE1-1*::N0CALL-10:ack1", true}, {"n0call>APRS::N0CALL-10:ack1  ", true},
      {"N0CALL>APRS::N0CALL-10:rej1", true},          {"N0CALL>APRS::N0CALL-10:Thanks{MM}1", true},
      {"N0CALL>APRS::N0CALL-10:ack1}", true},         {"N0CALL-0>APRS::n0call-10:rej1}", true},
      {"N0CALL>APRS::N0CALL-10:ack2", false},         {"OTHER>APRS::N0CALL-10:ack1", false},
      {"N0CALL>APRS::N0CALL-9 :ack1", false}};
  for (const auto& [line, stops] : answers) {
    StationHarness h;
    h.link->SendAPRSMessage("N0CALL", "WIDE", 1, "A", "Hello");
    h.Hear(line);
    h.core.clock.Advance(30000);
    h.station.Poll();
    EXPECT_EQ(std::count(h.transport.sent.begin(), h.transport.sent.end(), kFirst), stops ? 1 : 2)
        << line;
    EXPECT_EQ(h.timer.enabled, !stops) << line;
  }
}

// A station that numbers its message {MM} offers reply-acks: it is acked with a copy of the whole
// number, our replies carry its MM, and its next copies, acking ours in their AA, are no new
// question.
TEST(StationMessages, ReplyAcksAreAnsweredInKind) {
  StationHarness h;
  h.Hear("N0CALL>APRS::N0CALL-10:?WX{12}");
  h.link->SendAPRSMessage("N0CALL", "", 1, "A", "Sunny");
  h.link->SendAPRSMessage("K1ABC", "", 1, "A", "Hi");
  h.Hear("N0CALL-0>APRS::N0CALL-10:?WX{12}1");
  EXPECT_EQ(h.transport.sent, (Lines{"3 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :ack12}",
                                     "1 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :Sunny{1}12",
                                     "1 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::K1ABC    :Hi{2",
                                     "3 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL-0 :ack12}1"}));
  EXPECT_EQ(h.events.Raised(), 1);
  h.core.clock.Advance(30000);
  h.station.Poll();  // only the message to K1ABC is still awaited
  EXPECT_EQ(h.transport.sent.back(), "1 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::K1ABC    :Hi{2");
  EXPECT_EQ(h.transport.sent.size(), 5u);
}

TEST(StationMessages, MessagesThatCannotBeSentFailTheCallAndUseNoNumber) {
  StationHarness h;
  const std::vector<std::vector<std::string>> refused = {{"N0CALL", "", "B", "bulletin"},
                                                         {"N0CALL", "", "A", "two\nlines"},
                                                         {"N0CALL", "", "A", "cr\r"},
                                                         {"N0CALL", "wide2-2", "A", "x"},
                                                         {"N0CALL", "WIDE2-2,TCP:IP", "A", "x"},
                                                         {"N0CALL", "A,B,C,D,E,F,G,H,I", "A", "x"},
                                                         {"TENCHARSXY", "", "A", "x"},
                                                         {"", "", "A", "x"}};
  for (const auto& call : refused) {
    EXPECT_THROW(h.link->SendAPRSMessage(call[0], call[1], 1, call[2], call[3]), HostCallFailed)
        << call[0] << " " << call[1] << " " << call[3];
  }
  EXPECT_TRUE(h.transport.sent.empty());
  EXPECT_FALSE(h.timer.enabled);
  h.link->SendAPRSMessage("N0CALL", "WIDE,,", 1, "A", "Hello");
  EXPECT_EQ(h.transport.sent, Lines{kFirst});
  h.link->SendAPRSMessage("N0CALL", "relay,WIDE2-1", 1, "A", "Hello");
  EXPECT_EQ(h.transport.sent.back(), "1 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :Hello{2");
}

}  // namespace
}  // namespace brevio::test
