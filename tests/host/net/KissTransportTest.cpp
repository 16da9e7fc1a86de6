#include <gtest/gtest.h>

#include "LoopbackPeer.h"
#include "host/aprs/Ax25Frame.h"
#include "host/aprs/KissDeframer.h"
#include "host/aprs/Tnc2Line.h"
#include "host/net/KissTransport.h"
#include "host/net/TcpDevice.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

Tnc2Frame Frame(const std::string& line) {
  return ParseTnc2Line(line, CallSignRule::Ax25).value();
}

std::string Kiss(int port, const std::string& line) {
  return EncodeKissFrame(port, EncodeAx25UiFrame(Frame(line)).value()).value();
}

// Each frame heard as "PORT LINE".
class RecordingSink : public FrameSink {
 public:
  Lines heard;
  void FrameReceived(const Tnc2Frame& frame, std::optional<std::int16_t> port) override {
    heard.push_back(std::to_string(port.value_or(-1)) + " " + FormatTnc2Line(frame));
  }
};

// The frames that reached the peer on each connection, as "KISSPORT LINE".
Lines FramesAt(const std::string& bytes) {
  Lines frames;
  KissDeframer deframer;
  for (const KissFrame& kiss : deframer.Feed(bytes)) {
    frames.push_back(std::to_string(kiss.port) + " " +
                     FormatTnc2Line(DecodeAx25UiFrame(kiss.payload).frame.value()));
  }
  return frames;
}

class KissTransportTest : public ::testing::Test {
 protected:
  void Start(quint16 port) {
    transport_.emplace(
        std::make_unique<TcpDevice>(TncAddress{TncAddress::Kind::Kiss, "127.0.0.1", port}),
        [this](const std::string& line) { log_.push_back(line); },
        LinkOptions{.firstRetryMs = 50, .longestRetryMs = 400});
    transport_->Start(sink_);
  }

  std::string Name() const { return "TNC kiss://127.0.0.1:" + std::to_string(peer_.Port()); }

  LoopbackPeer peer_;
  RecordingSink sink_;
  Lines log_;
  std::optional<KissTransport> transport_;
};

TEST_F(KissTransportTest, HearsFramesOnHostPortsFromOneAndSendsOnKissPortsFromZero) {
  Start(peer_.Port());
  ASSERT_TRUE(WaitFor([&] { return transport_->Link().Connected(); }));
  peer_.Send(Kiss(0, "N0CALL>APRS,WIDE1-1*::N0CALL-10:?HELP{1") + Kiss(2, "N0CALL>APRS:>b"));
  ASSERT_TRUE(WaitFor([&] { return sink_.heard.size() == 2; }));
  EXPECT_EQ(sink_.heard, (Lines{"1 N0CALL>APRS,WIDE1-1*::N0CALL-10:?HELP{1", "3 N0CALL>APRS:>b"}));

  for (const std::int16_t port :
       {std::int16_t{1}, std::int16_t{3}, std::int16_t{16}, std::int16_t{17}, std::int16_t{0}}) {
    transport_->Transmit(Frame("N0CALL-10>APZBRV:>" + std::to_string(port)), port);
  }
  ASSERT_TRUE(WaitFor([&] { return FramesAt(peer_.received[0]).size() == 5; }));
  EXPECT_EQ(FramesAt(peer_.received[0]),
            (Lines{"0 N0CALL-10>APZBRV:>1", "2 N0CALL-10>APZBRV:>3", "15 N0CALL-10>APZBRV:>16",
                   "0 N0CALL-10>APZBRV:>17", "0 N0CALL-10>APZBRV:>0"}));
  EXPECT_EQ(log_, (Lines{Name() + ": connecting", Name() + ": connected"}));
}

TEST_F(KissTransportTest, SurvivesGarbageOverlongFramesAndFramesThatAreNoUiFrames) {
  Start(peer_.Port());
  ASSERT_TRUE(WaitFor([&] { return transport_->Link().Connected(); }));
  const std::string overlong = "\xC0\x00"s + std::string(5000, 'A') + "\xC0";
  const std::string sabm = "\xC0\x00"s +
                           EncodeAx25UiFrame(Frame("N0CALL>APRS:x")).value().substr(0, 14) +
                           "\x3F\xC0";  // a connected-mode frame
  peer_.Send("garbage\xDB\xC0\xC0\x00\xDB\x01\xC0"s + overlong + sabm + Kiss(0, "N0CALL>APRS:>ok"));
  ASSERT_TRUE(WaitFor([&] { return !sink_.heard.empty(); }));
  EXPECT_EQ(sink_.heard, Lines{"1 N0CALL>APRS:>ok"});
  EXPECT_EQ(transport_->UndecodableDropped(), 1u);
}

TEST_F(KissTransportTest, AFrameSentJustBeforeTheProgramEndsStillLeaves) {
  Start(peer_.Port());
  ASSERT_TRUE(WaitFor([&] { return transport_->Link().Connected(); }));
  transport_->Transmit(Frame("N0CALL-10>APZBRV:;WX0      _killed"), 1);
  transport_.reset();
  ASSERT_TRUE(WaitFor([&] { return !FramesAt(peer_.received[0]).empty(); }));
  EXPECT_EQ(FramesAt(peer_.received[0]), Lines{"0 N0CALL-10>APZBRV:;WX0      _killed"});
}

TEST_F(KissTransportTest, RetriesWithDoublingWaitsAndLogsTheLongestOnlyOnce) {
  quint16 port = 0;
  {
    const LoopbackPeer gone;  // nothing listens on its port once it has gone
    port = gone.Port();
  }
  Start(port);
  const std::string name = "TNC kiss://127.0.0.1:" + std::to_string(port);
  ASSERT_TRUE(WaitFor([&] { return log_.size() == 5; }));
  QTest::qWait(1000);  // two more tries, not logged
  EXPECT_EQ(log_, (Lines{name + ": connecting", name + ": Connection refused; next try in 50 ms",
                         name + ": Connection refused; next try in 100 ms",
                         name + ": Connection refused; next try in 200 ms",
                         name + ": Connection refused; trying again every 400 ms"}));
  LoopbackPeer tnc(port);
  ASSERT_TRUE(tnc.Listening());
  ASSERT_TRUE(WaitFor([&] { return transport_->Link().Connected(); }));
  EXPECT_EQ(log_.back(), name + ": connected");
}

}  // namespace
}  // namespace brevio::test
