// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "host/aprs/Tnc2Line.h"
#include "host/aprs/Tnc2LineReader.h"
#include "host/aprs/Tnc2OutputLine.h"

namespace brevio {
namespace {

using namespace std::string_literals;

// A star anywhere means every digipeater up to it has repeated the frame; the text written
// back stars only the last of them. The information field keeps every byte.
TEST(Tnc2Line, ReadsEveryFieldAndWritesItBack) {
  const std::string info = ":x\0\xff\xe9 :>,*\r  "s;
  const std::tuple<std::string, Tnc2Frame, std::string> lines[] = {
      {"N0CALL-15>APRS,WIDE1-1*,WIDE2-1::QDOS     :HELP{12",
       {"N0CALL-15", "APRS", {{"WIDE1-1", true}, {"WIDE2-1", false}}, ":QDOS     :HELP{12"},
       "N0CALL-15>APRS,WIDE1-1*,WIDE2-1::QDOS     :HELP{12"},
      {"N0CALL>APRS:>status", {"N0CALL", "APRS", {}, ">status"}, "N0CALL>APRS:>status"},
      {"A>B,D1,D2*,D3:x",
       {"A", "B", {{"D1", true}, {"D2", true}, {"D3", false}}, "x"},
       "A>B,D1,D2*,D3:x"},
      {"A>B,D1*,D2*,D3:x",
       {"A", "B", {{"D1", true}, {"D2", true}, {"D3", false}}, "x"},
       "A>B,D1,D2*,D3:x"},
      {"A>B:" + info, {"A", "B", {}, info}, "A>B:" + info}};
  for (const auto& [line, frame, written] : lines) {
    EXPECT_EQ(ParseTnc2Line(line, CallSignRule::Ax25), frame) << line;
    EXPECT_EQ(FormatTnc2Line(frame), written) << line;
  }
}

// Whether each call sign rule takes the line. Neither takes a line without an information field,
// with ">" after the ":", an empty call, a trailing comma, an empty digipeater, two stars, a
// starred destination or a blank in a call.
TEST(Tnc2Line, AcceptanceFollowsTheCallSignRule) {
  const std::tuple<bool, bool, std::vector<std::string>> rules[] = {
      {true, true, {"N0CALL-0>APRS:x", "A>B,D1,D2,D3,D4,D5,D6,D7,D8*:x"}},
      {false,
       true,
       {"A>B,D1,D2,D3,D4,D5,D6,D7,D8,D9:x", "K1ABC-9>APRS,TCPIP*,qAC,T2TEST:x", "n0call>APRS:x",
        "N0CALL-16>APRS:x", "N0CALL-05>APRS:x", "TOOLONG>APRS:x"}},
      {false,
       false,
       {"TENCHARSXX>APRS:x", "A>B", "A:B>C", ">B:x", "A>:x", "A>B,:x", "A>B,,C:x", "A>B,C**:x",
        "A>B*:x", "A B>C:x"}}};
  for (const auto& [ax25, aprsIs, lines] : rules) {
    for (const std::string& line : lines) {
      EXPECT_EQ(ParseTnc2Line(line, CallSignRule::Ax25).has_value(), ax25) << line;
      EXPECT_EQ(ParseTnc2Line(line, CallSignRule::AprsIs).has_value(), aprsIs) << line;
    }
  }
}

using Lines = std::vector<std::string>;

Lines Written(const std::vector<Tnc2Frame>& frames) {
  Lines lines;
  for (const Tnc2Frame& frame : frames) lines.push_back(FormatTnc2Line(frame));
  return lines;
}

TEST(Tnc2LineReader, CutsLinesAcrossChunksAtLfOrCrLf) {
  Tnc2LineReader reader;
  Lines read;
  for (const char* chunk : {"N0CALL>APRS:>a\r", "\nN0", "CALL>APRS,WIDE1-1*:>b\n\n# comment\r\n",
                            "\r\nN0CALL>APRS:>c"}) {
    for (const std::string& line : Written(reader.Feed(chunk))) read.push_back(line);
  }
  EXPECT_EQ(read, (Lines{"N0CALL>APRS:>a", "N0CALL>APRS,WIDE1-1*:>b"}));
  EXPECT_EQ(Written(reader.Finish()), Lines{"N0CALL>APRS:>c"});
  EXPECT_EQ(reader.MalformedDropped() + reader.OverlongDropped(), 0u);
}

TEST(Tnc2LineReader, OverlongAndMalformedLinesAreDroppedAndCounted) {
  Tnc2LineReader reader;
  const std::string head = "N0CALL>APRS:>";
  const std::string longest = head + std::string(Tnc2LineReader::kMaxLine - head.size(), 'x');
  EXPECT_EQ(Written(reader.Feed(longest + "\r\n" + longest + "y\n" + longest +
                                "yy\r\nno frame here\n>:\n")),
            Lines{longest});
  EXPECT_EQ(reader.OverlongDropped(), 2u);
  EXPECT_EQ(reader.MalformedDropped(), 2u);
  EXPECT_EQ(Written(reader.Feed(std::string(2000, 'z'))), Lines{});
  EXPECT_EQ(Written(reader.Finish()), Lines{});
  EXPECT_EQ(reader.OverlongDropped(), 3u);
  EXPECT_EQ(reader.MalformedDropped(), 2u);
}

TEST(Tnc2OutputLine, EndsWithLfAndRefusesFramesThatALineEndWouldSplit) {
  EXPECT_EQ(Tnc2OutputLine({"N0CALL-10", "APZBRV", {{"WIDE", false}}, ":N0CALL   :x{1"}),
            "N0CALL-10>APZBRV,WIDE::N0CALL   :x{1\n");
  EXPECT_EQ(Tnc2OutputLine({"N0CALL", "APRS", {}, ">a\nN0CALL>APRS:forged"}), std::nullopt);
  EXPECT_EQ(Tnc2OutputLine({"N0CALL", "APRS", {}, ">a\r"}), std::nullopt);
}

}  // namespace
}  // namespace brevio
