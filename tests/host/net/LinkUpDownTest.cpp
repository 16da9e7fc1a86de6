#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>

#include "LoopbackPeer.h"
#include "PtyPeer.h"
#include "host/aprs/Ax25Frame.h"
#include "host/aprs/Tnc2Line.h"
#include "host/net/AprsIsTransport.h"
#include "host/net/KissTransport.h"
#include "host/net/SerialDevice.h"
#include "host/net/StdioTransport.h"
#include "host/net/TcpDevice.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;
using namespace std::chrono;

// Each status reported, as "STATE[: REASON][, next try in MS]".
class StatusRecorder : public LinkObserver {
 public:
  void LinkChanged(const LinkStatus& status) override {
    address = status.address;
    std::string text = std::array{"connecting", "connected", "waiting",
                                  "lost"}[static_cast<std::size_t>(status.state)];
    if (!status.reason.empty()) text += ": " + status.reason;
    if (status.state == LinkState::Waiting) {
      const auto ms = duration_cast<milliseconds>(status.nextTry - system_clock::now()).count();
      text += ", next try in " + std::to_string((ms + 5) / 10 * 10) + " ms";
    }
    seen.push_back(text);
  }

  std::string address;
  Lines seen;
};

class RecordingSink : public FrameSink {
 public:
  void FrameReceived(const Tnc2Frame& frame, std::optional<std::int16_t>) override {
    heard.push_back(FormatTnc2Line(frame));
  }
  Lines heard;
};

struct Harness {
  LinkLog Log() {
    return [this](const std::string& line) { log.push_back(line); };
  }
  Lines log;
  StatusRecorder statuses;
  RecordingSink sink;
  QTemporaryDir folder;
};

// A peer and the link to it, observed and started.
struct Rig {
  std::unique_ptr<TestPeer> peer;
  std::unique_ptr<Transport> transport;
  std::string address;
};

template <typename T>
Rig Started(std::unique_ptr<TestPeer> peer, std::unique_ptr<T> transport, Harness& harness,
            std::string address) {
  transport->Observe(harness.statuses);
  transport->Start(harness.sink);
  return {std::move(peer), std::move(transport), std::move(address)};
}

const LinkOptions kQuick{.firstRetryMs = 50};

Rig KissOverTcp(Harness& harness) {
  auto peer = std::make_unique<LoopbackPeer>();
  const TncAddress address{TncAddress::Kind::Kiss, "127.0.0.1", peer->Port()};
  auto transport =
      std::make_unique<KissTransport>(std::make_unique<TcpDevice>(address), harness.Log(), kQuick);
  return Started(std::move(peer), std::move(transport), harness,
                 "kiss://127.0.0.1:" + std::to_string(address.port));
}

Rig KissOverSerial(Harness& harness) {
  const std::string path = harness.folder.filePath("tnc").toStdString();
  const TncAddress address = TncAddress::Serial(path, 9600);
  auto transport = std::make_unique<KissTransport>(std::make_unique<SerialDevice>(address),
                                                   harness.Log(), kQuick);
  return Started(std::make_unique<PtyPeer>(path), std::move(transport), harness,
                 "serial:" + path + "@9600");
}

const std::string kLoggedIn = "logged in as N0CALL-10, verified, server T2TEST";

Rig AprsIs(Harness& harness) {
  auto peer = std::make_unique<LoopbackPeer>();
  peer->greeting = [] {
    return "# aprsc 2.1.14\r\n# logresp N0CALL-10 verified, server T2TEST\r\n";
  };
  auto transport = std::make_unique<AprsIsTransport>(
      "127.0.0.1", peer->Port(), [] { return "N0CALL-10"; }, "1.0.0", harness.Log(),
      AprsIsOptions{.link = kQuick});
  const std::string address = "aprsis://127.0.0.1:" + std::to_string(peer->Port());
  return Started(std::move(peer), std::move(transport), harness, address);
}

std::string Kiss(const std::string& line) {
  const auto frame = ParseTnc2Line(line, CallSignRule::Ax25).value();
  return EncodeKissFrame(0, EncodeAx25UiFrame(frame).value()).value();
}

std::string AprsIsLine(const std::string& line) {
  return line + "\r\n";
}

struct UpDownCase {
  const char* name;
  Rig (*make)(Harness&);
  std::string kind;
  // Why the link went, and why its next try failed.
  std::string lost;
  std::string missing;
  // A frame's bytes on the link.
  std::string (*wire)(const std::string& line);
  // Heard before the peer goes, with a frame it cuts off; heard once it is back.
  std::string before;
  std::string after;
  // What reaches the peer when it is back: the two frames sent meanwhile, each once.
  std::string resent;
  // Logged after "connected" on each connection.
  std::string session;
};

const std::string kResentKiss =
    Kiss("N0CALL-10>APZBRV::N0CALL   :reply{1") + Kiss("N0CALL-10>APZBRV::N0CALL   :ack5");

const UpDownCase kCases[] = {
    {"KissOverTcp", KissOverTcp, "TNC", "The remote host closed the connection",
     "Connection refused", Kiss, "N0CALL>APRS:>before", "N0CALL>APRS:>after", kResentKiss, ""},
    {"KissOverSerial", KissOverSerial, "TNC", "the device was unplugged or has failed",
     "No such file or directory", Kiss, "N0CALL>APRS:>before", "N0CALL>APRS:>after", kResentKiss,
     ""},
    {"AprsIs", AprsIs, "APRS-IS", "The remote host closed the connection", "Connection refused",
     AprsIsLine, "N0CALL>APRS,TCPIP*:>before", "N0CALL>APRS,TCPIP*:>after",
     "user N0CALL-10 pass 13023 vers brevio 1.0.0 filter g/N0CALL-10/QDOS/QUERY\r\n"
     "N0CALL-10>APZBRV,TCPIP*::N0CALL   :reply{1\r\nN0CALL-10>APZBRV,TCPIP*::N0CALL   :ack5\r\n",
     kLoggedIn}};

class LinkUpDownTest : public ::testing::TestWithParam<UpDownCase> {};

TEST_P(LinkUpDownTest, ReportsEachChangeAndSendsWhatWaitedOnceThePeerIsBack) {
  const UpDownCase& row = GetParam();
  Harness harness;
  Rig rig = row.make(harness);
  const Lines& seen = harness.statuses.seen;
  ASSERT_TRUE(WaitFor([&] { return seen.size() == 2; }));
  const std::string cutOff = row.wire("N0CALL>APRS:>cut off");
  rig.peer->Send(row.wire(row.before) + cutOff.substr(0, cutOff.size() - 3));
  ASSERT_TRUE(WaitFor([&] { return harness.sink.heard.size() == 1; }));

  rig.peer->Unplug();
  ASSERT_TRUE(WaitFor([&] { return seen.size() == 3; }));
  for (const char* text : {":N0CALL   :reply{1", ":N0CALL   :ack5", ":N0CALL   :reply{1"}) {
    rig.transport->Transmit({"N0CALL-10", "APZBRV", {}, text}, 1);  // the reply again: a retry
  }
  ASSERT_TRUE(WaitFor([&] { return seen.size() == 5; }));
  rig.peer->Plug();
  ASSERT_TRUE(WaitFor([&] {
    return rig.peer->received.size() == 2 && rig.peer->received[1] == row.resent;
  })) << rig.peer->received.back();
  rig.peer->Send(row.wire(row.after));
  ASSERT_TRUE(WaitFor([&] { return harness.sink.heard.size() == 2; }));

  // The frame cut off by the loss does not run into the first one after it.
  EXPECT_EQ(harness.sink.heard, (Lines{row.before, row.after}));
  EXPECT_EQ(harness.statuses.address, rig.address);
  EXPECT_EQ(seen, (Lines{"connecting", "connected", "waiting: " + row.lost + ", next try in 50 ms",
                         "connecting", "waiting: " + row.missing + ", next try in 100 ms",
                         "connecting", "connected"}));
  const std::string name = row.kind + " " + rig.address + ": ";
  Lines log = {name + "connecting", name + "connected", name + row.lost + "; next try in 50 ms",
               name + row.missing + "; next try in 100 ms", name + "connected, 2 frames waiting"};
  if (!row.session.empty()) {
    log.insert(log.begin() + 2, name + row.session);
    log.push_back(name + row.session);
  }
  EXPECT_EQ(harness.log, log);
}

INSTANTIATE_TEST_SUITE_P(Links, LinkUpDownTest, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(StdioStatusTest, IsConnectedOnceStartedAndLostForGoodWhenTheInputEnds) {
  int pipe[2];
  ASSERT_EQ(::pipe(pipe), 0);
  StdioTransport stdio(pipe[0], stdout);
  Harness harness;
  stdio.Observe(harness.statuses);
  stdio.Start(harness.sink, {});
  ::close(pipe[1]);
  ASSERT_TRUE(WaitFor([&] { return harness.statuses.seen.size() == 3; }));
  EXPECT_EQ(harness.statuses.seen, (Lines{"connecting", "connected", "lost: the input has ended"}));
  EXPECT_EQ(harness.statuses.address, "stdio");
  ::close(pipe[0]);
}

}  // namespace
}  // namespace brevio::test
