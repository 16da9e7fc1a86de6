#include <gtest/gtest.h>

#include "host/aprs/NetworkRouting.h"
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

}  // namespace
}  // namespace brevio
