#include <gtest/gtest.h>

#include "host/aprs/Tnc2Line.h"
#include "support/Mutations.h"

namespace brevio {
namespace {

using namespace std::string_literals;

TEST(Tnc2Line, ReadsSourceDestinationRepeatedPathAndInfo) {
  const auto frame =
      ParseTnc2Line("N0CALL-15>APRS,WIDE1-1*,WIDE2-1::QDOS     :HELP{12", CallSignRule::Ax25);
  ASSERT_TRUE(frame);
  EXPECT_EQ(
      *frame,
      (Tnc2Frame{
          "N0CALL-15", "APRS", {{"WIDE1-1", true}, {"WIDE2-1", false}}, ":QDOS     :HELP{12"}));
}

TEST(Tnc2Line, FrameWithoutPathFormatsBackUnchanged) {
  const auto frame = ParseTnc2Line("N0CALL>APRS:>status", CallSignRule::Ax25);
  ASSERT_TRUE(frame);
  EXPECT_TRUE(frame->path.empty());
  EXPECT_EQ(FormatTnc2Line(*frame), "N0CALL>APRS:>status");
}

// A star anywhere means every digipeater up to it has repeated the frame; the text written
// back stars only the last of them.
TEST(Tnc2Line, StarInTheMiddleMarksEveryEarlierDigipeaterRepeated) {
  for (const std::string line : {"A>B,D1,D2*,D3:x", "A>B,D1*,D2*,D3:x"}) {
    const auto frame = ParseTnc2Line(line, CallSignRule::Ax25);
    ASSERT_TRUE(frame) << line;
    EXPECT_EQ(frame->path, (std::vector<Digipeater>{{"D1", true}, {"D2", true}, {"D3", false}}));
    EXPECT_EQ(FormatTnc2Line(*frame), "A>B,D1,D2*,D3:x");
  }
}

TEST(Tnc2Line, InfoKeepsEveryByte) {
  const std::string info = ":x\0\xff\xe9 :>,*\r  "s;
  const auto frame = ParseTnc2Line("A>B:" + info, CallSignRule::Ax25);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->info, info);
  EXPECT_EQ(FormatTnc2Line(*frame), "A>B:" + info);
}

TEST(Tnc2Line, EightDigipeatersFitAx25AndNineOnlyAprsIs) {
  const std::string eight = "A>B,D1,D2,D3,D4,D5,D6,D7,D8*:x";
  const std::string nine = "A>B,D1,D2,D3,D4,D5,D6,D7,D8,D9:x";
  ASSERT_TRUE(ParseTnc2Line(eight, CallSignRule::Ax25));
  EXPECT_EQ(ParseTnc2Line(eight, CallSignRule::Ax25)->path.size(), 8u);
  EXPECT_FALSE(ParseTnc2Line(nine, CallSignRule::Ax25));
  EXPECT_TRUE(ParseTnc2Line(nine, CallSignRule::AprsIs));
}

struct LineCase {
  const char* line;
  bool ax25;
  bool aprsIs;
};

class Tnc2LineAcceptance : public ::testing::TestWithParam<LineCase> {};

TEST_P(Tnc2LineAcceptance, FollowsTheCallSignRule) {
  EXPECT_EQ(ParseTnc2Line(GetParam().line, CallSignRule::Ax25).has_value(), GetParam().ax25)
      << GetParam().line;
  EXPECT_EQ(ParseTnc2Line(GetParam().line, CallSignRule::AprsIs).has_value(), GetParam().aprsIs)
      << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Tnc2LineAcceptance,
    ::testing::Values(LineCase{"N0CALL-0>APRS:x", true, true},
                      LineCase{"K1ABC-9>APRS,TCPIP*,qAC,T2TEST:x", false, true},
                      LineCase{"n0call>APRS:x", false, true},
                      LineCase{"N0CALL-16>APRS:x", false, true},
                      LineCase{"N0CALL-05>APRS:x", false, true},
                      LineCase{"TOOLONG>APRS:x", false, true},
                      LineCase{"TENCHARSXX>APRS:x", false, false},
                      LineCase{"A>B", false, false},    // no information field
                      LineCase{"A:B>C", false, false},  // ">" after the ":"
                      LineCase{">B:x", false, false}, LineCase{"A>:x", false, false},
                      LineCase{"A>B,:x", false, false},     // trailing comma
                      LineCase{"A>B,,C:x", false, false},   // empty digipeater
                      LineCase{"A>B,C**:x", false, false},  // two stars
                      LineCase{"A>B*:x", false, false},     // starred destination
                      LineCase{"A B>C:x", false, false}));

TEST(Tnc2Line, RandomLinesParseSafelyAndFormatBackConsistently) {
  const std::vector<std::string> seeds{
      "N0CALL-15>APRS,WIDE1-1*,WIDE2-1::QDOS     :HELP{12", "A>B:x",
      "K1ABC-9>APRS,TCPIP*,qAC,T2TEST:!4903.50N/07201.75W-", "A>B,D1,D2,D3,D4,D5,D6,D7,D8*:x"};
  const auto format = [](const Tnc2Frame& frame, const std::string&) {
    return FormatTnc2Line(frame);
  };
  std::size_t decoded = 0;
  for (const CallSignRule rule : {CallSignRule::Ax25, CallSignRule::AprsIs}) {
    const auto parse = [rule](const std::string& line) { return ParseTnc2Line(line, rule); };
    decoded += test::ExpectRoundTrips(seeds, parse, format);
  }
  EXPECT_GT(decoded, 400u);
}

}  // namespace
}  // namespace brevio
