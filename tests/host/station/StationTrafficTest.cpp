#include <gtest/gtest.h>

#include "StationHarness.h"
#include "query/MonitoredText.h"

namespace brevio::test {
namespace {

using Events = std::vector<std::string>;

// The server must read sender, via path, addressee and number from what the station host gives.
class MonitoredTextTest : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(MonitoredTextTest, ServerReadsSenderAndViaPathFromReceivedData) {
  StationHarness h;
  h.Hear("N0CALL>APRS" + GetParam().first + "::QDOS     :HELP{12");
  const MonitoredText parsed = ParseMonitoredText(h.events.receivedData.at(0));
  EXPECT_EQ(parsed.sender, "N0CALL");
  EXPECT_EQ(parsed.viaPath, GetParam().second);
  EXPECT_TRUE(parsed.isMessage);
  EXPECT_EQ(parsed.addressee, "QDOS     ");
  EXPECT_EQ(parsed.messageText, "HELP");
  EXPECT_EQ(parsed.messageNumber, "12");
}

// Without digipeaters the server takes the destination (and its blank) for the path.
INSTANTIATE_TEST_SUITE_P(
    Paths, MonitoredTextTest,
    ::testing::Values(std::pair{",WIDE1-1", "WIDE1-1"},
                      std::pair{",DIGI1,WIDE1*,WIDE2-1", "DIGI1,WIDE1*,WIDE2-1"},
                      std::pair{"", "APRS "},
                      std::pair{",D1,D2,D3,D4,D5,D6,D7,D8*", "D1,D2,D3,D4,D5,D6,D7,D8*"},
                      std::pair{",TCPIP*,qAC,T2TEST", "TCPIP*"},
                      std::pair{",WIDE1*,qar,N0IGT", "WIDE1*"}, std::pair{",qAS,T2TEST", "APRS "},
                      std::pair{",TCPXX*,QAR,X,qAO,Y", "TCPXX*"},
                      std::pair{",QA,QAR1,qA1,WIDE2*", "QA,QAR1,qA1,WIDE2*"}));

TEST(StationTraffic, ReceivedDataIsHeaderAndInformationFieldWithEveryByte) {
  StationHarness h;
  const std::string info(">\0\xE9\xFF ", 5);
  h.station.FrameReceived({"N0CALL", "APRS", {{"DIGI1", true}, {"WIDE2-1", false}}, info},
                          std::nullopt);
  EXPECT_EQ(h.events.receivedData, Events{"N0CALL>APRS,DIGI1*,WIDE2-1 <UI>\r\n" + info + "\r\n"});
}

TEST(StationTraffic, DirectedQueryIsAckedThenRaisedWithTheDigipeatersItCameThrough) {
  StationHarness h;
  h.Hear("N0CALL>APRS,DIGI1*,WIDE2-1::N0CALL-10:?time{5");
  EXPECT_EQ(h.transport.sent, Events{"3 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :ack5"});
  EXPECT_EQ(h.events.events,
            (Events{"DataAvailable",
                    "NotifyRemotecommand(N0CALL|DIGI1|WIDE1-1,WIDE2-1|3|A|?time|false)"}));
  EXPECT_EQ(h.ini.paths.front(), h.folder.Path() + "/uiview32.ini");

  // A link with port numbers names the port; the ack goes out on it.
  h.station.FrameReceived(*ParseTnc2Line("N0CALL>APRS::N0CALL-10:?UP{AB}7", CallSignRule::AprsIs),
                          std::int16_t{2});
  EXPECT_EQ(h.transport.sent.back(), "2 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :ackAB}7");
  EXPECT_EQ(h.events.events.back(), "NotifyRemotecommand(N0CALL||WIDE1-1,WIDE2-1|2|A|?UP|false)");

  // APRS-IS routing after the q-construct is no digipeater the query came through.
  h.Hear("K1ABC>APRS,TCPIP*,qAC,T2TEST::N0CALL-10:?HELP{9");
  EXPECT_EQ(h.events.events.back(),
            "NotifyRemotecommand(K1ABC|TCPIP|WIDE1-1,WIDE2-1|3|A|?HELP|false)");

  // A third-party query is acked and raised for its inner source, with the outer radio hops.
  h.Hear("N0IGT>APRS,D1*,WIDE2*:}K1ABC>APRS,TCPIP,N0IGT*::N0CALL-10:?TIME{5");
  EXPECT_EQ(h.transport.sent.back(), "3 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::K1ABC    :ack5");
  EXPECT_EQ(h.events.events.back(),
            "NotifyRemotecommand(K1ABC|D1,WIDE2|WIDE1-1,WIDE2-1|3|A|?TIME|false)");
  EXPECT_EQ(h.events.receivedData.back().substr(0, 21), "K1ABC>APRS,D1,WIDE2* ");

  // Not understood: nothing reaches the server and nothing is sent.
  const std::size_t sent = h.transport.sent.size();
  const std::size_t raised = h.events.events.size();
  const std::vector<std::string> odd{"N0IGT>APRS:}K1ABC>APRS:}K2ABC>APRS::N0CALL-10:?TIME{6",
                                     "N0IGT>APRS:}::N0CALL-10:?TIME{7",
                                     "N0IGT>APRS:}K1ABC:?UP{8",
                                     "N0IGT>APRS:}",
                                     "N0IGT>APRS:}K1ABC>:x",
                                     "N0IGT>APRS:}>APRS:x"};
  for (const std::string& line : odd) h.Hear(line);
  EXPECT_EQ(h.transport.sent.size(), sent);
  EXPECT_EQ(h.events.events.size(), raised);
  ASSERT_EQ(h.logged.size(), odd.size());  // once each
  EXPECT_EQ(h.logged[1],
            "Third-party frame not understood, dropped: N0IGT>APRS:}::N0CALL-10:?TIME{7");
}

TEST(StationTraffic, EveryCopyIsAckedButRaisedOnceWithinItsWindow) {
  StationHarness h;
  const std::string query = "N0CALL>APRS,WIDE1-1*::N0CALL-10:?TIME{5";
  const auto raised = [&h] {
    return std::count_if(h.events.events.begin(), h.events.events.end(),
                         [](const std::string& e) { return e.starts_with("NotifyRemote"); });
  };
  h.Hear(query);
  h.Hear("N0CALL>APRS::N0CALL-10:?TIME{6");  // a new number is a new question
  EXPECT_EQ(raised(), 2);
  // Each copy restarts the window: 29 minutes apart, 58 minutes after the first.
  for (int copy = 0; copy < 2; ++copy) {
    h.core.clock.Advance(29 * 60000);
    h.Hear(query);
  }
  EXPECT_EQ(raised(), 2);
  EXPECT_EQ(std::count(h.events.events.begin(), h.events.events.end(), "DataAvailable"), 4);
  h.core.clock.Advance(30 * 60000 + 1);
  h.Hear(query);
  EXPECT_EQ(raised(), 3);
  EXPECT_EQ(h.transport.sent.size(), 5u);
}

TEST(StationTraffic, UnnumberedCopiesAreRaisedOnceWithinThirtySecondsAndNeverAcked) {
  StationHarness h;
  h.Hear("N0CALL>APRS::N0CALL-10:?TIME");
  h.core.clock.Advance(30000);
  h.Hear("N0CALL>APRS::N0CALL-10:?TIME");
  h.core.clock.Advance(30001);
  h.Hear("N0CALL>APRS::N0CALL-10:?TIME");
  EXPECT_TRUE(h.transport.sent.empty());
  EXPECT_EQ(std::count_if(h.events.events.begin(), h.events.events.end(),
                          [](const std::string& e) { return e.starts_with("NotifyRemote"); }),
            2);
}

struct RemoteCase {
  std::optional<std::string> setting;
  std::string sender;
  bool raised;
};

class RemoteCommandsTest : public ::testing::TestWithParam<RemoteCase> {};

TEST_P(RemoteCommandsTest, SettingDecidesWhoMayAskButEveryMessageIsAcked) {
  StationHarness h(GetParam().setting);
  h.Hear(GetParam().sender + ">APRS::N0CALL-10:?HELP{1");
  EXPECT_EQ(h.transport.sent.size(), 1u);
  EXPECT_EQ(h.events.events.back().starts_with("NotifyRemotecommand("), GetParam().raised);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, RemoteCommandsTest,
    ::testing::Values(RemoteCase{"0", "N0CALL-10", false},
                      RemoteCase{std::nullopt, "N0CALL-7", false},
                      RemoteCase{"1", "N0CALL-7", true}, RemoteCase{"1", "n0call", true},
                      RemoteCase{"1", "N0CAL", false}, RemoteCase{"1", "N0CALLX-1", false},
                      RemoteCase{"2", "OTHER-1", true}, RemoteCase{"3", "OTHER-1", true},
                      RemoteCase{"", "OTHER-1", true}));

TEST(StationTraffic, OnlyMessagesToTheStationAreAckedAndOnlyQuestionsRaised) {
  StationHarness h;
  h.Hear("N0CALL>APRS::N0CALL-10:Hello there{7");
  h.Hear("N0CALL>APRS::N0CALL-1 :?TIME{8");
  h.Hear("N0CALL>APRS::QDOS     :HELP{9");
  EXPECT_EQ(h.transport.sent, Events{"3 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :ack7"});
  EXPECT_EQ(h.events.events, Events(3, "DataAvailable"));
}

struct BeaconCase {
  const char* line;
  const char* beacon;  // empty: none
};

class BeaconTest : public ::testing::TestWithParam<BeaconCase> {};

TEST_P(BeaconTest, SendersPositionInAnyFormRaisesNotifyBeacon) {
  StationHarness h;
  h.Hear(GetParam().line);
  Events expected{"DataAvailable"};
  if (*GetParam().beacon != '\0') expected.push_back(GetParam().beacon);
  EXPECT_EQ(h.events.events, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, BeaconTest,
    ::testing::Values(
        BeaconCase{"N0CALL-7>APRS,WIDE2-1:=5230.00N/00415.00E>mobile",
                   "NotifyBeacon(N0CALL-7|52.5|4.25)"},
        BeaconCase{"N0CALL-8>APRS:@061230z4903.50N/07201.75W-",
                   "NotifyBeacon(N0CALL-8|49.0583|-72.0292)"},
        BeaconCase{"W4CMP>APRS,WIDE1-1:!/5L!!<*e7>7P[", "NotifyBeacon(W4CMP|49.5|-72.75)"},
        BeaconCase{"W4CMP>APRS:/092345z/5L!!<*e7>{?!", "NotifyBeacon(W4CMP|49.5|-72.75)"},
        BeaconCase{"W3MIC>S32U6T,WIDE1-1:`(_fn\"Oj/]", "NotifyBeacon(W3MIC|33.4273|-12.129)"},
        BeaconCase{"W3MIC>S32U6T-3:'(_fn\"Oj/]", "NotifyBeacon(W3MIC|33.4273|-12.129)"},
        BeaconCase{"N0CALL-5>APRS:;LEADER   *092345z4903.50N/07201.75W>", ""},
        BeaconCase{"N0CALL-9>APRS:!9903.50N/07201.75W-", ""},
        BeaconCase{"N0IGT>APRS,WIDE2-1:}K1ABC-7>APRS,TCPIP,N0IGT*:=5230.00N/00415.00E>",
                   "NotifyBeacon(K1ABC-7|52.5|4.25)"}));

TEST(StationTraffic, EventsGoOnlyToConnectionsThatConnectedThem) {
  StationHarness h;
  RecordingEvents other;
  auto second = h.station.Connect();
  auto third = h.station.Connect();
  third->ConnectEvents(&other);
  h.Hear("N0CALL>APRS:>one");
  third.reset();
  h.Hear("N0CALL>APRS:>two");
  h.link->ConnectEvents(nullptr);
  h.Hear("N0CALL>APRS:>three");
  EXPECT_EQ(h.events.events, Events(2, "DataAvailable"));
  EXPECT_EQ(other.events, Events{"DataAvailable"});
  EXPECT_EQ(second->ReceivedData(), "N0CALL>APRS <UI>\r\n>three\r\n");
}

// A frame heard while another one's events run waits its turn, so each event reads its own text.
TEST(StationTraffic, FrameHeardDuringAnEventIsTakenAfterIt) {
  StationHarness h;
  h.events.onDataAvailable = [&h] {
    h.events.onDataAvailable = nullptr;
    h.Hear("N0CALL>APRS:>second");
    EXPECT_EQ(h.events.link->ReceivedData(), "N0CALL>APRS <UI>\r\n>first\r\n");
  };
  h.Hear("N0CALL>APRS:>first");
  EXPECT_EQ(h.events.receivedData,
            (Events{"N0CALL>APRS <UI>\r\n>first\r\n", "N0CALL>APRS <UI>\r\n>second\r\n"}));
}

}  // namespace
}  // namespace brevio::test
