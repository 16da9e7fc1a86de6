#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/Mutations.h"
#include "support/QueryHarness.h"

namespace brevio::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Monitored traffic in the host's layout: header line, CR LF, information field, CR LF.
std::string Heard(const std::string& header, const std::string& info) {
  return header + "\r\n" + info + "\r\n";
}

const std::string kHeader = "PA3XYZ-7>APU25N,WIDE1-1 <UI>";

TEST(MonitoredTextTest, ReadsTheMessageFieldsAndTheHeader) {
  const MonitoredText m = ParseMonitoredText(Heard(kHeader, ":QDOS     :HELP{12"));
  EXPECT_EQ(m.headerLine, kHeader);
  EXPECT_EQ(m.infoLine, ":QDOS     :HELP{12\r");
  EXPECT_TRUE(m.isMessage);
  EXPECT_EQ(m.addressee, "QDOS     ");
  EXPECT_EQ(m.messageText, "HELP");
  EXPECT_EQ(m.messageNumber, "12");
  EXPECT_EQ(m.sender, "PA3XYZ-7");
  EXPECT_EQ(m.viaPath, "WIDE1-1");
}

TEST(MonitoredTextTest, HeaderVariants) {
  // No comma: the whole header path, destination and its blank included, is the via path.
  EXPECT_EQ(ParseMonitoredText(Heard("A>APRS <UI>", ":QUERY:x{1")).viaPath, "APRS ");
  // " Port=" ends the path before "<UI".
  EXPECT_EQ(ParseMonitoredText(Heard("A>APRS,RELAY,WIDE Port=1 <UI>", ":QUERY:x{1")).viaPath,
            "RELAY,WID");
  // ">" at column 15 or later: the host's ten-character prefix is skipped.
  EXPECT_EQ(ParseMonitoredText(Heard("0123456789 PA3XYZ-15>APRS <UI>", ":QUERY:x{1")).sender,
            "PA3XYZ-15");
  EXPECT_EQ(ParseMonitoredText(Heard("  PA3XYZ-7>APRS <UI>", ":QUERY:x{1")).sender, "PA3XYZ-7");
  // Malformed headers: no ">", no "<UI", a first comma as the last character.
  EXPECT_FALSE(ParseMonitoredText(Heard("PA3XYZ APRS <UI R", ":QUERY:x{1")).sender);
  EXPECT_EQ(ParseMonitoredText(Heard("A>APRS,WIDE", ":QUERY:x{1")).viaPath, "");
  EXPECT_EQ(ParseMonitoredText(Heard("A>APRS,<UI>", ":QUERY:x{1")).viaPath, "");
  // A message text naming " Port=" stays out of the path.
  EXPECT_EQ(ParseMonitoredText(Heard("A>APRS,WIDE1-1 <UI>", ":QUERY: Port=1,2,3{1")).viaPath,
            "WIDE1-1");
}

TEST(MonitoredTextTest, MessageNumberMustStandInTheLastFiveCharacters) {
  EXPECT_EQ(ParseMonitoredText(Heard(kHeader, ":QDOS     :{12")).messageText, "");
  EXPECT_EQ(ParseMonitoredText(Heard(kHeader, ":QDOS     :A{B{1234")).messageText, "A{B");
  EXPECT_EQ(ParseMonitoredText(Heard(kHeader, ":QDOS     :HELP{")).messageNumber, "");
  const MonitoredText far = ParseMonitoredText(Heard(kHeader, ":QDOS     :HE{LP123"));
  EXPECT_TRUE(far.isMessage);
  EXPECT_FALSE(far.messageNumber);
}

TEST(MonitoredTextTest, QueryDestinations) {
  EXPECT_TRUE(IsQueryDestination("QDOS     "));
  EXPECT_TRUE(IsQueryDestination("qdos "));
  EXPECT_TRUE(IsQueryDestination("QUERYBRV"));
  EXPECT_FALSE(IsQueryDestination("QDOSX"));
  EXPECT_FALSE(IsQueryDestination("QDOS"));
}

class MonitoredTrafficTest : public ::testing::Test {
 protected:
  QueryHarness h;
};

TEST_F(MonitoredTrafficTest, QdosHelpIsAnsweredWithTheTopicListInOrder) {
  h.AddTopic("?WX", "Sunny");
  h.AddTopic("?NET", "Net at 20:00");
  h.Hear(Heard(kHeader, ":QDOS     :HELP{12"));

  EXPECT_EQ(h.txtAPRS.content,
            "06.12.2026 00:10:00 " + Heard(kHeader, ":QDOS     :HELP{12") + "\r\n");
  EXPECT_THAT(
      h.StatusLines(),
      ElementsAre("QDOS or QUERY seen in APRS destination (QDOS     ).", "1=[" + kHeader + "]",
                  "2=[:QDOS     :HELP{12\r]",
                  "= begin query ========================================", " from [PA3XYZ-7]",
                  " message = [HELP]", " digipath = WIDE1-1", " reversed digipath = WIDE",
                  " honored", "Send msg :  ?WX?NET (len=8, digipath = WIDEmessage type = A)"));
  EXPECT_THAT(h.host.CallsOf("SendAPRSMessage"),
              ElementsAre("SendAPRSMessage(PA3XYZ-7|WIDE|1|A| ?WX?NET)"));
  EXPECT_EQ(h.host.CallsOf("ReceivedData").size(), 2U);

  h.txtStatus.content.clear();
  h.Hear(Heard(kHeader, ":QDOS     :HELP{12"));
  EXPECT_THAT(h.StatusLines(), Contains(" ignored (double)"));
  EXPECT_EQ(h.host.CallsOf("SendAPRSMessage").size(), 1U);
}

TEST_F(MonitoredTrafficTest, UnknownTopicPlacesTheServerObjectAndAdvertises) {
  h.Hear(Heard(kHeader, ":QUERY    :APRS{3"));
  const auto lines = h.StatusLines();
  ASSERT_GE(lines.size(), 6U);
  EXPECT_THAT(std::vector<std::string>(lines.end() - 6, lines.end()),
              ElementsAre(" honored", "Unknown topic", "Create BRV server object ",
                          "Create object BRVN0CALL", "CreateObject() returned 0",
                          "Send msg : Send ?? to N0CALL-9 (len=19, digipath = WIDE2-2)"));
  EXPECT_THAT(h.host.CallsOf("SendAPRSMessage"),
              ElementsAre("SendAPRSMessage(PA3XYZ-7|WIDE2-2|1|A|Send ?? to N0CALL-9)"));

  // Within the minute no object is placed, but the asker still gets the advert.
  h.clock.Advance(20000);
  h.Hear(Heard(kHeader, ":QUERY    :APRS{4"));
  EXPECT_THAT(h.StatusLines(), Contains("Msg not sent; object created only 20 seconds ago."));
  EXPECT_EQ(h.StatusLines().back(), "Send msg : Send ?? to N0CALL-9 (len=19, digipath = WIDE2-2)");
  EXPECT_EQ(h.host.CallsOf("SendAPRSMessage").size(), 2U);
}

TEST_F(MonitoredTrafficTest, MessagesThatAreNotAnsweredLeaveOnlyTheirTraces) {
  h.Hear(Heard(kHeader, "!5212.34N/00412.34E-position"));  // no message: echo only
  h.Hear(Heard(kHeader, ":QDOSX    :HELP{1"));             // no query destination
  h.Hear(Heard(kHeader, ":QDOS     :HELP"));               // no "{" at all
  EXPECT_THAT(h.StatusLines(), IsEmpty());
  h.Hear(Heard(kHeader, ":qdos     :HE{LP123"));  // "{" too far back: seen, not answered
  EXPECT_THAT(h.StatusLines(), ElementsAre("QDOS or QUERY seen in APRS destination (qdos     )."));
  EXPECT_THAT(h.host.CallsOf("SendAPRSMessage"), IsEmpty());
  EXPECT_EQ(h.host.CallsOf("ReceivedData").size(), 8U);
}

TEST_F(MonitoredTrafficTest, ScanSwitchedOffLeavesNoTraceAtAll) {
  h.traffic.ToggleScanForQdos();
  EXPECT_FALSE(h.scanItem.checked);
  h.Hear(Heard(kHeader, ":QDOS     :HELP{12"));
  EXPECT_TRUE(h.txtAPRS.content.empty());
  EXPECT_TRUE(h.txtStatus.content.empty());
  EXPECT_TRUE(h.host.calls.empty());
  h.traffic.ToggleScanForQdos();
  EXPECT_TRUE(h.scanItem.checked);
}

TEST_F(MonitoredTrafficTest, ThreeHopsAreRefusedWithTheEndLine) {
  h.Hear(Heard("PA3XYZ-7>APRS,WIDE1-1,WIDE2-1,WIDE3-1 <UI>", ":QDOS     :HELP{12"));
  EXPECT_THAT(h.StatusLines(), Contains(" Ignored: hops (3) > max hops (2)"));
  EXPECT_EQ(h.StatusLines().back(), "= end query ========================================");
  EXPECT_THAT(h.host.CallsOf("SendAPRSMessage"), IsEmpty());
}

TEST_F(MonitoredTrafficTest, AFailingHostReadIsReportedAndTheServerGoesOn) {
  h.host.failing = {"ReceivedData"};
  h.Hear(Heard(kHeader, ":QDOS     :HELP{12"));
  EXPECT_THAT(h.StatusLines(), ElementsAre("Host call failed: ReceivedData failed"));
}

// Whatever the radio brings, the handler neither crashes nor reads outside the text (the
// sanitizers watch), and it answers at most once per text.
TEST_F(MonitoredTrafficTest, SurvivesRandomAndMutatedTraffic) {
  const std::vector<std::string> seeds = {Heard(kHeader, ":QDOS     :HELP{12"),
                                          Heard("0123456789 A>B,C <UI>", ":QUERY:x{1"),
                                          "A>B,<UI>\r\n:QDOS :{\r\n",
                                          ":\r\n:\r\n",
                                          "\r\n\r\n",
                                          ">,<UI Port=\r\n::{{{{{\r\n"};
  for (const std::string& text :
       MutatedInputs(seeds, 4000, std::string_view("\r\n:{>,<UI Port=QDOSQUERY-*\0\xff", 29))) {
    h.host.calls.clear();
    h.txtStatus.content.clear();
    h.Hear(text);
    EXPECT_LE(h.host.CallsOf("SendAPRSMessage").size(), 1U) << text;
    if (h.gate.ThrottledDown()) h.gate.Timer1Tick();
    h.clock.Advance(61000);
  }
}

}  // namespace
}  // namespace brevio::test
