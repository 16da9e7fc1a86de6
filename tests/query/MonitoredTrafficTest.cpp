// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
const std::string kHelp = Heard(kHeader, ":QDOS     :HELP{12");

// The parsed fields as sender|via path, and for a message |addressee|text|number; "-" where
// there is none.
std::string Fields(const std::string& header, const std::string& info) {
  const MonitoredText m = ParseMonitoredText(Heard(header, info));
  std::string fields = m.sender.value_or("-") + "|" + m.viaPath;
  if (!m.isMessage) return fields;
  return fields + "|" + m.addressee + "|" + m.messageText + "|" + m.messageNumber.value_or("-");
}

TEST(MonitoredTextTest, ReadsTheSenderAndViaPathOfTheHeaderAndTheMessageFields) {
  const char* query = ":QUERY:x{1";
  const std::tuple<const char*, const char*, const char*> texts[] = {
      {kHeader.c_str(), ":QDOS     :HELP{12", "PA3XYZ-7|WIDE1-1|QDOS     |HELP|12"},
      // No comma, or one first: the whole header path, its closing blank included.
      {"A>APRS <UI>", query, "A|APRS |QUERY|x|1"},
      {"A>,WIDE <UI>", query, "A|,WIDE |QUERY|x|1"},
      {"A>B,WIDE <UI>", query, "A|WIDE|QUERY|x|1"},
      // " Port=" ends the path before "<UI"; a message text naming it stays out of the path.
      {"A>APRS,RELAY,WIDE Port=1 <UI>", query, "A|RELAY,WID|QUERY|x|1"},
      {"A>APRS,WIDE1-1 <UI>", ":QUERY: Port=1,2{1", "A|WIDE1-1|QUERY| Port=1,2|1"},
      // ">" at column 15 or later: the host's ten-character prefix is skipped.
      {"0123456789 PA3XYZ-15>APRS <UI>", query, "PA3XYZ-15|APRS |QUERY|x|1"},
      {"0123456789ABCD>APRS <UI>", query, "ABCD|APRS |QUERY|x|1"},
      {"ABCDEFGHIJKLM>APRS <UI>", query, "ABCDEFGHIJKLM|APRS |QUERY|x|1"},
      {"  PA3XYZ-7  >APRS <UI>", query, "PA3XYZ-7|APRS |QUERY|x|1"},
      // Malformed headers: no ">", no "<UI", a first comma as the last character.
      {"PA3XYZ APRS <UI R", query, "-||QUERY|x|1"},
      {"A>APRS,WIDE", query, "A||QUERY|x|1"},
      {"A>APRS,<UI>", query, "A||QUERY|x|1"},
      // The number follows the last "{", which must stand among the last five characters.
      {"A>B <UI>", ":QDOS     :{12", "A|B |QDOS     ||12"},
      {"A>B <UI>", ":QDOS     :A{B{1234", "A|B |QDOS     |A{B|1234"},
      {"A>B <UI>", ":QDOS     :HELP{", "A|B |QDOS     |HELP|"},
      {"A>B <UI>", ":QDOS     :HE{LP123", "A|B |QDOS     ||-"},
      {"A>B <UI>", ":QDOS     :HELP", "-|"},
      {"A>B <UI>", "!5212.34N/00412.34E-", "-|"},
      {"A>B <UI>", "!x:QDOS     :HELP{1", "-|"},  // a message begins with ":"
  };
  for (const auto& [header, info, fields] : texts) {
    EXPECT_EQ(Fields(header, info), fields) << header << " " << info;
  }
  for (const char* addressee : {"QDOS     ", "qdos ", "QUERYBRV"}) {
    EXPECT_TRUE(IsQueryDestination(addressee)) << addressee;
  }
  EXPECT_FALSE(IsQueryDestination("QDOSX") || IsQueryDestination("QDOS"));
}

struct MonitoredTrafficTest : ::testing::Test, QueryHarness {};

TEST_F(MonitoredTrafficTest, QueryOverAtMostTwoHopsIsAnsweredOnceAndItsRepeatIgnored) {
  AddTopic("?WX", "Sunny");
  AddTopic("?NET", "Net at 20:00");
  Hear(kHelp);
  EXPECT_EQ(txtAPRS.content, "06.12.2026 00:10:00 " + kHelp + "\r\n");
  EXPECT_THAT(
      StatusLines(),
      ElementsAre("QDOS or QUERY seen in APRS destination (QDOS     ).", "1=[" + kHeader + "]",
                  "2=[:QDOS     :HELP{12<0x0d>]",
                  "= begin query ========================================", " from [PA3XYZ-7]",
                  " message = [HELP]", " digipath = WIDE1-1", " reversed digipath = WIDE",
                  " honored", "Send msg :  ?WX?NET (len=8, digipath = WIDEmessage type = A)"));
  EXPECT_THAT(host.messages, ElementsAre(SentMessage{"PA3XYZ-7", "WIDE", 1, "A", " ?WX?NET"}));
  EXPECT_EQ(host.CallsOf("ReceivedData").size(), 2U);
  Hear(kHelp);
  EXPECT_EQ(StatusLines().back(), " ignored (double)");
  // Two hops are answered, three refused with the end line.
  Hear(Heard("PA3XYZ-7>APRS,WIDE1-1,WIDE2-1 <UI>", ":QDOS     :WX{1"));
  EXPECT_EQ(host.messages.back(), (SentMessage{"PA3XYZ-7", "WIDE", 1, "A", "Sunny"}));
  txtStatus.content.clear();
  Hear(Heard("PA3XYZ-7>APRS,WIDE1-1,WIDE2-1,WIDE3-1 <UI>", ":QDOS     :WX{2"));
  EXPECT_THAT(StatusLines(), Contains(" Ignored: hops (3) > max hops (2)"));
  EXPECT_EQ(StatusLines().back(), "= end query ========================================");
  EXPECT_EQ(host.messages.size(), 2U);
}

TEST_F(MonitoredTrafficTest, UnknownTopicPlacesTheServerObjectAndAdvertises) {
  Hear(Heard(kHeader, ":QUERY    :APRS{3"));
  const std::string advert = "Send msg : Send ?? to N0CALL-9 (len=19, digipath = WIDE2-2)";
  const auto lines = StatusLines();
  ASSERT_GE(lines.size(), 6U);
  EXPECT_THAT(std::vector<std::string>(lines.end() - 6, lines.end()),
              ElementsAre(" honored", "Unknown topic", "Create BRV server object ",
                          "Create object BRVN0CALL", "CreateObject() returned 0", advert));
  EXPECT_THAT(host.messages,
              ElementsAre(SentMessage{"PA3XYZ-7", "WIDE2-2", 1, "A", "Send ?? to N0CALL-9"}));
  // Within the minute no object is placed, but the asker still gets the advert.
  clock.Advance(20000);
  Hear(Heard(kHeader, ":QUERY    :APRS{4"));
  EXPECT_THAT(StatusLines(), Contains("Msg not sent; object created only 20 seconds ago."));
  EXPECT_EQ(StatusLines().back(), advert);
  EXPECT_EQ(host.messages.size(), 2U);
  // An advert the host fails to send is reported, not claimed as sent.
  host.failing = {"SendAPRSMessage"};
  Hear(Heard(kHeader, ":QUERY    :APRS{5"));
  EXPECT_EQ(StatusLines().back(), "Host call failed: SendAPRSMessage failed");
}

TEST_F(MonitoredTrafficTest, MessagesThatAreNotAnsweredLeaveOnlyTheirTraces) {
  Hear(Heard(kHeader, "!5212.34N/00412.34E-position"));  // no message: echo only
  Hear(Heard(kHeader, ":QDOSX    :HELP{1"));             // no query destination
  Hear(Heard(kHeader, ":QDOS     :HELP"));               // no "{" at all
  EXPECT_THAT(StatusLines(), IsEmpty());
  Hear(Heard(kHeader, ":qdos     :HE{LP123"));  // "{" too far back: seen, not answered
  EXPECT_THAT(StatusLines(), ElementsAre("QDOS or QUERY seen in APRS destination (qdos     )."));
  EXPECT_THAT(host.messages, IsEmpty());
  EXPECT_EQ(host.CallsOf("ReceivedData").size(), 8U);
  host.failing = {"ReceivedData"};  // a failing read is reported and the server goes on
  Hear(kHelp);
  EXPECT_EQ(StatusLines().back(), "Host call failed: ReceivedData failed");
}

TEST_F(MonitoredTrafficTest, ScanSwitchedOffLeavesNoTraceAndThrottledDownOnlyItsLine) {
  traffic.ToggleScanForQdos();
  EXPECT_FALSE(scanItem.checked);
  Hear(kHelp);
  EXPECT_TRUE(txtAPRS.content.empty() && txtStatus.content.empty() && host.calls.empty());
  traffic.ToggleScanForQdos();
  EXPECT_TRUE(scanItem.checked);
  clock.tick = 0;  // a first request on a system just started throttles
  gate.AdmitRequest("N0CALL", "QDOS     ", "1");
  txtStatus.content.clear();
  Hear(kHelp);
  EXPECT_THAT(StatusLines(), ElementsAre("  Throttled down, ignoring this message "));
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace brevio::test
