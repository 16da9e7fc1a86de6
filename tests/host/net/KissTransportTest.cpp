#include <gtest/gtest.h>

#include "TestPeers.h"
#include "host/net/KissTransport.h"
#include "host/net/TcpDevice.h"

namespace brevio::test {
namespace {

using namespace std::string_literals;

class KissTransportTest : public ::testing::Test {
 protected:
  KissTransportTest()
      : transport_(std::make_unique<TcpDevice>(
                       TncAddress{TncAddress::Kind::Kiss, "127.0.0.1", peer_.Port()}),
                   [](const std::string&) {}) {
    transport_.Start(sink_);
    EXPECT_TRUE(WaitFor([&] { return transport_.Link().Connected(); }));
  }

  LoopbackPeer peer_;
  RecordingSink sink_;
  KissTransport transport_;
};

TEST_F(KissTransportTest, SurvivesGarbageOverlongFramesAndFramesThatAreNoUiFrames) {
  const std::string overlong = "\xC0\x00"s + std::string(5000, 'A') + "\xC0";
  const std::string sabm = "\xC0\x00"s +
                           EncodeAx25UiFrame(Frame("N0CALL>APRS:x")).value().substr(0, 14) +
                           "\x3F\xC0";  // a connected-mode frame
  peer_.Send("garbage\xDB\xC0\xC0\x00\xDB\x01\xC0"s + overlong + sabm + Kiss("N0CALL>APRS:>ok"));
  ASSERT_TRUE(WaitFor([&] { return !sink_.heard.empty(); }));
  EXPECT_EQ(sink_.heard, Lines{"1 N0CALL>APRS:>ok"});
  EXPECT_EQ(transport_.UndecodableDropped(), 1u);
}

}  // namespace
}  // namespace brevio::test
