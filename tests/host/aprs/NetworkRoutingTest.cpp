#include <gtest/gtest.h>

#include "host/aprs/NetworkRouting.h"
#include "host/aprs/ThirdPartyFrame.h"
#include "host/aprs/Tnc2Line.h"

namespace brevio {
namespace {

struct RoutingRow {
  std::string line;
  std::string kept;  // the header left once network routing is dropped
};

class NetworkRoutingTest : public ::testing::TestWithParam<RoutingRow> {};

TEST_P(NetworkRoutingTest, QConstructAndWhatFollowsAreDropped) {
  std::optional<Tnc2Frame> frame = ParseTnc2Line(GetParam().line + ":>x", CallSignRule::AprsIs);
  ASSERT_TRUE(frame);
  DropNetworkRouting(frame->path);
  frame->info.clear();
  EXPECT_EQ(FormatTnc2Line(*frame), GetParam().kept + ":");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, NetworkRoutingTest,
    ::testing::Values(RoutingRow{"K1ABC>APRS,TCPIP*,qAC,T2TEST", "K1ABC>APRS,TCPIP*"},
                      RoutingRow{"K1ABC>APRS,WIDE1*,qAR,N0IGT", "K1ABC>APRS,WIDE1*"},
                      RoutingRow{"K1ABC>APRS,TCPXX*,QAR,N0IGT", "K1ABC>APRS,TCPXX*"},
                      RoutingRow{"K1ABC>APRS,WIDE1*,qar,N0IGT", "K1ABC>APRS,WIDE1*"},
                      RoutingRow{"K1ABC>APRS,qAS,T2TEST", "K1ABC>APRS"},
                      RoutingRow{"K1ABC>APRS,D1*,qAC,X,qAO,Y", "K1ABC>APRS,D1*"},
                      RoutingRow{"K1ABC>APRS,QA,QAR1,QB1,WIDE2-1",
                                 "K1ABC>APRS,QA,QAR1,QB1,WIDE2-1"},
                      RoutingRow{"K1ABC>APRS,qA1,WIDE2-1", "K1ABC>APRS,qA1,WIDE2-1"}));

struct ThirdPartyRow {
  std::string line;
  std::string inner;  // empty: not understood
};

class ThirdPartyTest : public ::testing::TestWithParam<ThirdPartyRow> {};

TEST_P(ThirdPartyTest, InnerFrameKeepsItsSourceAndTakesTheOuterRadioHops) {
  const std::optional<Tnc2Frame> outer = ParseTnc2Line(GetParam().line, CallSignRule::Ax25);
  ASSERT_TRUE(outer);
  const std::optional<Tnc2Frame> inner = UnwrapThirdParty(*outer);
  EXPECT_EQ(inner ? FormatTnc2Line(*inner) : "", GetParam().inner);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ThirdPartyTest,
    ::testing::Values(
        ThirdPartyRow{"N0IGT>APRS,WIDE2-1:}K1ABC>APRS,TCPIP,N0IGT*::N0CALL-10:?TIME{5",
                      "K1ABC>APRS,WIDE2-1::N0CALL-10:?TIME{5"},
        ThirdPartyRow{"N0IGT>APRS,D1*,WIDE2*:}K1ABC-7>APRS:!5230.00N/00415.00E>",
                      "K1ABC-7>APRS,D1,WIDE2*:!5230.00N/00415.00E>"},
        ThirdPartyRow{"N0IGT>APRS:}K1ABC>APRS,TCPIP*:}K2ABC>APRS::N0CALL-10:?TIME{5", ""},
        ThirdPartyRow{"N0IGT>APRS:}::N0CALL-10:?TIME{5", ""},
        ThirdPartyRow{"N0IGT>APRS:}K1ABC:?TIME", ""}, ThirdPartyRow{"N0IGT>APRS:}", ""},
        ThirdPartyRow{"N0IGT>APRS:}K1ABC>:x", ""}, ThirdPartyRow{"N0IGT>APRS:}>APRS:x", ""},
        ThirdPartyRow{"N0IGT>APRS::N0CALL-10:?TIME{5", ""}));

}  // namespace
}  // namespace brevio
