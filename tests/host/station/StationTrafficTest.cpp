#include <gtest/gtest.h>

#include "StationHarness.h"
#include "query/MonitoredText.h"

namespace brevio::test {
namespace {

using Events = std::vector<std::string>;

// The server reads sender, via path, addressee and number from what the station host gives;
// without digipeaters it takes the destination (and its blank) for the path.
TEST(StationTraffic, ServerReadsSenderAndViaPathFromReceivedData) {
  const std::pair<const char*, const char*> paths[] = {
      {",WIDE1-1", "WIDE1-1"},
      {",DIGI1,WIDE1*,WIDE2-1", "DIGI1,WIDE1*,WIDE2-1"},
      {"", "APRS "},
      {",D1,D2,D3,D4,D5,D6,D7,D8*", "D1,D2,D3,D4,D5,D6,D7,D8*"},
      {",TCPIP*,qAC,T2TEST", "TCPIP*"},
      {",WIDE1*,qar,N0IGT", "WIDE1*"},
      {",qAS,T2TEST", "APRS "},
      {",TCPXX*,QAR,X,qAO,Y", "TCPXX*"},
      {",QA,QAR1,qA1,WIDE2*", "QA,QAR1,qA1,WIDE2*"}};
  for (const auto& [path, via] : paths) {
    StationHarness h;
    h.Hear("N0CALL>APRS" + std::string(path) + "::QDOS     :HELP{12");
    const MonitoredText m = ParseMonitoredText(h.events.receivedData.at(0));
    EXPECT_TRUE(m.isMessage);
    EXPECT_EQ(m.sender.value_or("") + "|" + m.viaPath + "|" + m.addressee + "|" + m.messageText +
                  "|" + m.messageNumber.value_or(""),
              "N0CALL|" + std::string(via) + "|QDOS     |HELP|12");
  }
}

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
  EXPECT_EQ(h.ini.path, h.folder.Path() + "/uiview32.ini");

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

// Numbered copies are acked and raised once within a window that each copy restarts; unnumbered
// ones once within thirty seconds, and never acked.
TEST(StationTraffic, CopiesAreRaisedOnceWithinTheirWindow) {
  StationHarness h;
  const std::string query = "N0CALL>APRS,WIDE1-1*::N0CALL-10:?TIME{5";
  const std::string unnumbered = "N0CALL>APRS::N0CALL-10:?TIME";
  const std::pair<int, std::string> heard[] = {{0, query},
                                               {0, "N0CALL>APRS::N0CALL-10:?TIME{6"},
                                               {29 * 60000, query},
                                               {29 * 60000, query},
                                               {30 * 60000 + 1, query},
                                               {0, unnumbered},
                                               {30000, unnumbered},
                                               {30001, unnumbered}};
  for (const auto& [ms, line] : heard) {
    h.core.clock.Advance(ms);
    h.Hear(line);
  }
  EXPECT_EQ(h.events.Raised(), 5);
  EXPECT_EQ(h.transport.sent.size(), 5u);
}

TEST(StationTraffic, RemoteCommandsDecideWhoMayAskButEveryMessageIsAcked) {
  const std::tuple<std::optional<std::string>, const char*, bool> rows[] = {
      {"0", "N0CALL-10", false}, {std::nullopt, "N0CALL-7", false},
      {"1", "N0CALL-7", true},   {"1", "n0call", true},
      {"1", "N0CAL", false},     {"1", "N0CALLX-1", false},
      {"2", "OTHER-1", true},    {"3", "OTHER-1", true},
      {"", "OTHER-1", true}};
  for (const auto& [setting, sender, raised] : rows) {
    StationHarness h(setting);
    h.Hear(std::string(sender) + ">APRS::N0CALL-10:?HELP{1");
    EXPECT_EQ(h.transport.sent.size(), 1u) << sender;
    EXPECT_EQ(h.events.Raised(), raised ? 1 : 0) << setting.value_or("none") << " " << sender;
  }
}

TEST(StationTraffic, OnlyMessagesToTheStationAreAckedAndOnlyQuestionsRaised) {
  StationHarness h;
  h.Hear("N0CALL>APRS::N0CALL-10:Hello there{7");
  h.Hear("N0CALL>APRS::N0CALL-1 :?TIME{8");
  h.Hear("N0CALL>APRS::QDOS     :HELP{9");
  EXPECT_EQ(h.transport.sent, Events{"3 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :ack7"});
  EXPECT_EQ(h.events.events, Events(3, "DataAvailable"));
}

TEST(StationTraffic, SendersPositionInAnyFormRaisesNotifyBeacon) {
  const std::pair<const char*, const char*> heard[] = {
      {"N0CALL-7>APRS,WIDE2-1:=5230.00N/00415.00E>mobile", "N0CALL-7|52.5|4.25"},
      {"N0CALL-8>APRS:@061230z4903.50N/07201.75W-", "N0CALL-8|49.0583|-72.0292"},
      {"W4CMP>APRS,WIDE1-1:!/5L!!<*e7>7P[", "W4CMP|49.5|-72.75"},
      {"W4CMP>APRS:/092345z/5L!!<*e7>{?!", "W4CMP|49.5|-72.75"},
      {"W3MIC>S32U6T,WIDE1-1:`(_fn\"Oj/]", "W3MIC|33.4273|-12.129"},
      {"W3MIC>S32U6T-3:'(_fn\"Oj/]", "W3MIC|33.4273|-12.129"},
      {"N0CALL-5>APRS:;LEADER   *092345z4903.50N/07201.75W>", nullptr},
      {"N0CALL-9>APRS:!9903.50N/07201.75W-", nullptr},
      {"N0IGT>APRS,WIDE2-1:}K1ABC-7>APRS,TCPIP,N0IGT*:=5230.00N/00415.00E>", "K1ABC-7|52.5|4.25"}};
  for (const auto& [line, beacon] : heard) {
    StationHarness h;
    h.Hear(line);
    Events expected{"DataAvailable"};
    if (beacon != nullptr) expected.push_back("NotifyBeacon(" + std::string(beacon) + ")");
    EXPECT_EQ(h.events.events, expected);
  }
}

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
