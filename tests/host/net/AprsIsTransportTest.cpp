#include <gtest/gtest.h>

#include <algorithm>

#include "TestPeers.h"
#include "host/net/AprsIsTransport.h"

namespace brevio::test {
namespace {

const std::string kLogin =
    "user N0CALL-10 pass 13023 vers brevio 1.0.0 filter g/N0CALL-10/QDOS/QUERY\r\n";
const std::string kVerified = "# logresp N0CALL-10 verified, server T2TEST\r\n";

class AprsIsTransportTest : public ::testing::Test {
 protected:
  AprsIsTransportTest() { peer_.greeting = "# aprsc 2.1.14-g5e6e6b8\r\n"; }

  void Start(AprsIsOptions options) {
    options.link.firstRetryMs = 50;
    transport_.emplace(
        "127.0.0.1", peer_.Port(), [this] { return call_; }, "1.0.0",
        [this](const std::string& line) { log_.push_back(line); }, options);
    transport_->Start(sink_);
  }

  // Waits for the `connection`th connection (from 1) to have brought `bytes`.
  bool Brought(std::size_t connection, const std::string& bytes) {
    return WaitFor([&] {
      return peer_.received.size() >= connection && peer_.received[connection - 1] == bytes;
    });
  }

  std::string Name() const { return "APRS-IS aprsis://127.0.0.1:" + std::to_string(peer_.Port()); }

  std::string call_ = "N0CALL-10";
  LoopbackPeer peer_;
  RecordingSink sink_;
  Lines log_;
  std::optional<AprsIsTransport> transport_;
};

TEST_F(AprsIsTransportTest, LogsInAndSendsFramesWithTheTcpipPathOnceTheServerHasTakenTheLogin) {
  Start({});
  ASSERT_TRUE(Brought(1, kLogin));
  // Frames wait for the login response: the server would refuse them before it.
  transport_->Transmit({"N0CALL-10", "APZBRV", {}, ">early"}, 1);
  QTest::qWait(100);
  EXPECT_EQ(peer_.received[0], kLogin);

  peer_.Send(kVerified + "N0CALL>APRS,TCPIP*,qAC,T2TEST::N0CALL-10:?HELP{5\r\n");
  ASSERT_TRUE(Brought(1, kLogin + "N0CALL-10>APZBRV,TCPIP*:>early\r\n")) << peer_.received[0];
  EXPECT_EQ(sink_.heard, Lines{"N0CALL>APRS,TCPIP*,qAC,T2TEST::N0CALL-10:?HELP{5"});
  EXPECT_EQ(log_, (Lines{Name() + ": connecting", Name() + ": connected",
                         Name() + ": logged in as N0CALL-10, verified, server T2TEST"}));
}

// Without a call sign there is no login to send: the link drops and tries again later.
TEST_F(AprsIsTransportTest, WithoutACallSignSendsNoLoginAndTriesAgain) {
  call_ = "";
  Start({});
  ASSERT_TRUE(WaitFor([&] {
    return std::count_if(log_.begin(), log_.end(), [](const std::string& line) {
             return line.find("no call sign to log in with") != std::string::npos;
           }) >= 2;
  })) << ::testing::PrintToString(log_);
  for (const std::string& bytes : peer_.received) EXPECT_EQ(bytes, "");
}

TEST_F(AprsIsTransportTest, KeepsTheConnectionAliveAndReconnectsWhenTheFeedGoesSilent) {
  AprsIsOptions options;
  options.link.silenceMs = 500;
  options.keepAliveMs = 150;
  Start(options);
  ASSERT_TRUE(Brought(1, kLogin));
  peer_.Send(kVerified);
  // The server says nothing more; the link keeps sending its comment line until it gives up.
  ASSERT_TRUE(Brought(2, kLogin));
  const std::string keepAlive = "# brevio keepalive\r\n";
  EXPECT_TRUE(peer_.received[0].starts_with(kLogin + keepAlive + keepAlive)) << peer_.received[0];
  EXPECT_EQ(log_[3], Name() + ": nothing heard for 500 ms; next try in 50 ms");
}

}  // namespace
}  // namespace brevio::test
