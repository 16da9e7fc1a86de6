// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "host/aprs/AprsIsLineReader.h"
#include "host/aprs/AprsIsOutputLine.h"
#include "host/aprs/Tnc2Line.h"

namespace brevio {
namespace {

TEST(AprsIsLogin, PasscodeHashesTheUpperCasedCallWithoutItsSsid) {
  EXPECT_EQ(AprsIsPasscode("N0CALL"), 13023);
  EXPECT_EQ(AprsIsPasscode("TESTCALL"), 31742);
  EXPECT_EQ(AprsIsPasscode("n0call-10"), 13023);
  EXPECT_EQ(AprsIsPasscode("TESTCAL"), AprsIsPasscode("TESTCAL-"));
  EXPECT_NE(AprsIsPasscode("TESTCAL"), AprsIsPasscode("TESTCALL"));
}

TEST(AprsIsLogResponse, ReadsOnlyLoginResponses) {
  const std::pair<const char*, std::optional<AprsIsLogResponse>> lines[] = {
      {"# logresp N0CALL-10 verified, server T2TEST",
       AprsIsLogResponse{"N0CALL-10", true, "T2TEST"}},
      {"# logresp N0CALL unverified, server T2X", AprsIsLogResponse{"N0CALL", false, "T2X"}},
      {"#logresp N0CALL verified", AprsIsLogResponse{"N0CALL", true, ""}},
      {"# logresp N0CALL-10 rejected", AprsIsLogResponse{"N0CALL-10", false, "", true}},
      {"# logresp N0CALL", std::nullopt},
      {"# logresp N0CALL maybe, server T2X", std::nullopt},
      {"# aprsc 2.1.14 6 Dec 2026 07:22:00 GMT T2TEST 1.2.3.4:14580", std::nullopt},
      {"N0CALL>APRS:# logresp N0CALL verified", std::nullopt}};
  for (const auto& [line, read] : lines) EXPECT_EQ(ParseAprsIsLogResponse(line), read) << line;
}

std::vector<std::string> Described(const std::vector<AprsIsLine>& lines) {
  std::vector<std::string> described;
  for (const AprsIsLine& line : lines) {
    if (const auto* frame = std::get_if<Tnc2Frame>(&line)) {
      described.push_back(FormatTnc2Line(*frame));
    } else {
      described.push_back("logresp " + std::get<AprsIsLogResponse>(line).call);
    }
  }
  return described;
}

TEST(AprsIsLineReader, PassesFramesAndTheLoginResponseAcrossChunksAndSkipsComments) {
  AprsIsLineReader reader;
  std::vector<std::string> seen;
  for (const char* chunk : {"# aprsc 2.1.14\r\n# logresp N0CALL-10 verified, server T2", "X\r\n",
                            "\r\nN0CALL>APRS,TCPIP*,qAC,T2X::N0CALL-10:?HELP{1\r",
                            "\n# keepalive\nlower-9>APRS,qAR,igate::QDOS     :x\n"}) {
    for (const std::string& line : Described(reader.Feed(chunk))) seen.push_back(line);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"logresp N0CALL-10",
                                            "N0CALL>APRS,TCPIP*,qAC,T2X::N0CALL-10:?HELP{1",
                                            "lower-9>APRS,qAR,igate::QDOS     :x"}));
  EXPECT_EQ(reader.CommentsSkipped(), 2u);
}

TEST(AprsIsLineReader, DropsOverlongAndMalformedLinesAndAnUnfinishedOneAtAReset) {
  AprsIsLineReader reader;
  const std::string head = "N0CALL>APRS:>";
  const std::string longest = head + std::string(AprsIsLineReader::kMaxLine - head.size(), 'x');
  EXPECT_EQ(Described(reader.Feed(longest + "\r\n" + longest + "y\n" + std::string(5000, 'z') +
                                  "\nno frame\n>:\n")),
            std::vector<std::string>{longest});
  EXPECT_EQ(reader.OverlongDropped(), 2u);
  EXPECT_EQ(reader.MalformedDropped(), 2u);

  EXPECT_TRUE(reader.Feed("N0CALL>APRS:>cut off by a lost conn").empty());
  reader.Reset();
  EXPECT_EQ(Described(reader.Feed("N0CALL>APRS:>next\n")),
            std::vector<std::string>{"N0CALL>APRS:>next"});
}

TEST(AprsIsOutputLine, SendsWithTheTcpipPathAndRefusesSplitOrOverlongLines) {
  EXPECT_EQ(AprsIsOutputLine({"N0CALL-10", "APZBRV", {{"WIDE1-1", false}}, ":N0CALL   :x{1"}),
            "N0CALL-10>APZBRV,TCPIP*::N0CALL   :x{1\r\n");
  EXPECT_FALSE(AprsIsOutputLine({"N0CALL", "APRS", {}, ">a\r\nN0CALL>APRS:forged"}));
  const std::string head = "N0CALL>APRS,TCPIP*:";
  EXPECT_TRUE(AprsIsOutputLine(
      {"N0CALL", "APRS", {}, std::string(AprsIsLineReader::kMaxLine - head.size(), 'x')}));
  EXPECT_FALSE(AprsIsOutputLine(
      {"N0CALL", "APRS", {}, std::string(AprsIsLineReader::kMaxLine - head.size() + 1, 'x')}));
}

}  // namespace
}  // namespace brevio
