#include <fcntl.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>

#include "TestPeers.h"
#include "host/net/AprsIsTransport.h"
#include "host/net/KissTransport.h"
#include "host/net/SerialDevice.h"
#include "host/net/StdioTransport.h"
#include "host/net/TcpDevice.h"

namespace brevio::test {
namespace {

using namespace std::chrono;
using namespace std::string_literals;

// Each status, as "STATE[: REASON][ in MS]"; MS to the next try, to the nearest 10.
class StatusRecorder : public LinkObserver {
 public:
  void LinkChanged(const LinkStatus& status) override {
    address = status.address;
    seen.push_back(std::array{"connecting", "connected", "waiting",
                              "lost"}[static_cast<std::size_t>(status.state)]);
    if (!status.reason.empty()) seen.back() += ": " + status.reason;
    const auto ms = duration_cast<milliseconds>(status.nextTry - system_clock::now()).count();
    if (status.state == LinkState::Waiting)
      seen.back() += " in " + std::to_string((ms + 5) / 10 * 10);
  }
  std::string address;
  Lines seen;
};

struct Harness {
  template <typename T>
  std::unique_ptr<Transport> Started(std::unique_ptr<T> transport) {
    transport->Observe(statuses);
    transport->Start(sink);
    return transport;
  }
  LinkLog Log() {
    return [this](const std::string& line) { log.push_back(line); };
  }
  Lines log;
  StatusRecorder statuses;
  RecordingSink sink;
  QTemporaryDir folder;
  std::unique_ptr<TestPeer> peer;
  LinkOptions options{.firstRetryMs = 50, .longestRetryMs = 200};
  std::string call = "N0CALL-10";  // what the APRS-IS link logs in with
  std::string greeting = "# aprsc 2.1.14\r\n# logresp N0CALL-10 verified, server T2TEST\r\n";
  int keepAliveMs = 300000;
};

std::unique_ptr<Transport> KissOverTcp(Harness& harness) {
  auto peer = std::make_unique<LoopbackPeer>();
  const TncAddress address{TncAddress::Kind::Kiss, "127.0.0.1", peer->Port()};
  harness.peer = std::move(peer);
  return harness.Started(std::make_unique<KissTransport>(std::make_unique<TcpDevice>(address),
                                                         harness.Log(), harness.options));
}

std::unique_ptr<Transport> KissOverSerial(Harness& harness) {
  const std::string path = harness.folder.filePath("tnc").toStdString();
  harness.peer = std::make_unique<PtyPeer>(path);
  return harness.Started(std::make_unique<KissTransport>(
      std::make_unique<SerialDevice>(TncAddress::Serial(path, 9600)), harness.Log(),
      harness.options));
}

std::unique_ptr<Transport> AprsIs(Harness& harness) {
  auto peer = std::make_unique<LoopbackPeer>();
  peer->greeting = harness.greeting;
  const quint16 port = peer->Port();
  harness.peer = std::move(peer);
  return harness.Started(std::make_unique<AprsIsTransport>(
      "127.0.0.1", port, [&harness] { return harness.call; }, "1.0.0", harness.Log(),
      AprsIsOptions{.link = harness.options, .keepAliveMs = harness.keepAliveMs}));
}

// Whether the peer's `connection`th connection (from 1) has brought `bytes`, in time.
bool Brought(Harness& harness, std::size_t connection, const std::string& bytes) {
  const Lines& received = harness.peer->received;
  return WaitFor(
      [&] { return received.size() >= connection && received[connection - 1] == bytes; });
}

struct UpDownCase {
  const char* name;
  std::unique_ptr<Transport> (*start)(Harness&);
  std::string kind;
  // Why the link went, and why the tries after failed.
  std::string lost;
  std::string missing;
  // A frame's bytes on the link; whether it has ports.
  std::string (*wire)(const std::string& line, int port);
  bool ports;
  // What reaches the peer once it is back: the frames sent meanwhile (each once), those sent
  // just before the link is destroyed, after the login if any.
  std::string resent;
  // Logged after "connected" on each connection.
  std::string session;
};

// Host port 3 is KISS port 2; 0 and 17 have none, and go out on KISS port 0.
const std::string kKissResent = Kiss("N0CALL-10>APZBRV::N0CALL   :reply{1", 2) +
                                Kiss("N0CALL-10>APZBRV::N0CALL   :ack5") +
                                Kiss("N0CALL-10>APZBRV:>16", 15) + Kiss("N0CALL-10>APZBRV:>17");

const UpDownCase kCases[] = {
    {"KissOverTcp", KissOverTcp, "TNC", "The remote host closed the connection",
     "Connection refused", Kiss, true, kKissResent, ""},
    {"KissOverSerial", KissOverSerial, "TNC", "the device was unplugged or has failed",
     "No such file or directory", Kiss, true, kKissResent, ""},
    {"AprsIs", AprsIs, "APRS-IS", "The remote host closed the connection", "Connection refused",
     [](const std::string& line, int) { return line + "\r\n"; }, false,
     "user N0CALL-10 pass 13023 vers brevio 1.0.0 filter g/N0CALL-10/QDOS/QUERY\r\n"
     "N0CALL-10>APZBRV,TCPIP*::N0CALL   :reply{1\r\nN0CALL-10>APZBRV,TCPIP*::N0CALL   :ack5\r\n"
     "N0CALL-10>APZBRV,TCPIP*:>16\r\nN0CALL-10>APZBRV,TCPIP*:>17\r\n",
     "logged in as N0CALL-10, verified, server T2TEST"}};

class LinkUpDownTest : public ::testing::TestWithParam<UpDownCase> {};

TEST_P(LinkUpDownTest, ReportsEachChangeAndSendsWhatWaitedOnceThePeerIsBack) {
  const UpDownCase& row = GetParam();
  Harness harness;
  std::unique_ptr<Transport> link = row.start(harness);
  TestPeer& peer = *harness.peer;
  const Lines& seen = harness.statuses.seen;
  ASSERT_TRUE(WaitFor([&] { return seen.size() == 2; }));
  const std::string cutOff = row.wire("N0CALL>APRS:>cut off", 0);
  peer.Send(row.wire("N0CALL>APRS:>before", 2) + cutOff.substr(0, cutOff.size() - 3));
  ASSERT_TRUE(WaitFor([&] { return harness.sink.heard.size() == 1; }));

  peer.Unplug();
  ASSERT_TRUE(WaitFor([&] { return seen.size() == 3; }));
  const std::pair<const char*, std::int16_t> waiting[] = {
      {":N0CALL   :reply{1", 3}, {":N0CALL   :ack5", 0}, {":N0CALL   :reply{1", 3}};  // a retry
  for (const auto& [text, port] : waiting) link->Transmit({"N0CALL-10", "APZBRV", {}, text}, port);
  // Back when the longest wait has come round twice.
  ASSERT_TRUE(WaitFor([&] { return seen.size() == 9; }));
  peer.Plug();
  ASSERT_TRUE(WaitFor([&] { return seen.size() == 11 && peer.received.size() == 2; }));
  peer.Send(row.wire("N0CALL>APRS:>after", 0));
  ASSERT_TRUE(WaitFor([&] { return harness.sink.heard.size() == 2; }));
  // Frames sent just before the link goes with the program still leave.
  for (const int port : {16, 17}) {
    link->Transmit(Frame("N0CALL-10>APZBRV:>" + std::to_string(port)),
                   static_cast<std::int16_t>(port));
  }
  link.reset();
  EXPECT_TRUE(WaitFor([&] { return peer.received[1] == row.resent; })) << peer.received[1];

  // Heard on their host ports; the frame cut off by the loss does not run into the next one.
  EXPECT_EQ(harness.sink.heard,
            (Lines{(row.ports ? "3 " : "") + std::string("N0CALL>APRS:>before"),
                   (row.ports ? "1 " : "") + std::string("N0CALL>APRS:>after")}));
  const std::string lost = "waiting: " + row.lost, missing = "waiting: " + row.missing;
  EXPECT_EQ(seen, (Lines{"connecting", "connected", lost + " in 50", "connecting",
                         missing + " in 100", "connecting", missing + " in 200", "connecting",
                         missing + " in 200", "connecting", "connected"}));
  const std::string name = row.kind + " " + harness.statuses.address + ": ";
  Lines log = {name + "connecting",
               name + "connected",
               name + row.lost + "; next try in 50 ms",
               name + row.missing + "; next try in 100 ms",
               name + row.missing + "; trying again every 200 ms",
               name + "connected, 2 frames waiting"};
  if (!row.session.empty()) {
    log.insert(log.begin() + 2, name + row.session);
    log.push_back(name + row.session);
  }
  EXPECT_EQ(harness.log, log);
}

INSTANTIATE_TEST_SUITE_P(Links, LinkUpDownTest, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(KissTransportTest, SurvivesGarbageOverlongFramesAndFramesThatAreNoUiFrames) {
  Harness harness;
  std::unique_ptr<Transport> link = KissOverTcp(harness);
  ASSERT_TRUE(WaitFor([&] { return harness.statuses.seen.size() == 2; }));
  const std::string overlong = "\xC0\x00"s + std::string(5000, 'A') + "\xC0";
  const std::string sabm = "\xC0\x00"s +
                           EncodeAx25UiFrame(Frame("N0CALL>APRS:x")).value().substr(0, 14) +
                           "\x3F\xC0";  // a connected-mode frame
  harness.peer->Send("garbage\xDB\xC0\xC0\x00\xDB\x01\xC0"s + overlong + sabm +
                     Kiss("N0CALL>APRS:>ok"));
  ASSERT_TRUE(WaitFor([&] { return !harness.sink.heard.empty(); }));
  EXPECT_EQ(harness.sink.heard, Lines{"1 N0CALL>APRS:>ok"});
  EXPECT_EQ(static_cast<KissTransport&>(*link).UndecodableDropped(), 1u);
}

// A peer that takes what is sent keeps the link; one that hangs is dropped and tried again.
TEST(LinkHangTest, APeerThatHangsIsDroppedAndTriedAgain) {
  const std::pair<std::unique_ptr<Transport> (*)(Harness&), std::string> hangs[] = {
      {KissOverTcp, "no connection within 100 ms"}, {KissOverSerial, "sending stalled for 100 ms"}};
  for (const auto& [start, reason] : hangs) {
    SCOPED_TRACE(reason);
    Harness harness;
    harness.options.connectTimeoutMs = harness.options.writeStallMs = 100;
    std::unique_ptr<Transport> link = start(harness);
    const Lines& seen = harness.statuses.seen;
    ASSERT_TRUE(WaitFor([&] { return seen.size() == 2; }));
    link->Transmit(Frame("N0CALL-10>APZBRV:>taken"), 0);
    ASSERT_TRUE(WaitFor([&] { return !harness.peer->received.back().empty(); }));
    QTest::qWait(200);
    ASSERT_EQ(seen.size(), 2u) << seen.back();
    harness.peer->Hang();
    link->Transmit(Frame("N0CALL-10>APZBRV:>held"), 0);
    const auto dropped = [&] {
      return std::find_if(seen.begin(), seen.end(), [&](const std::string& status) {
        return status.starts_with("waiting: " + reason);
      });
    };
    ASSERT_TRUE(WaitFor([&] { return dropped() < seen.end() - 1; }))
        << ::testing::PrintToString(seen);
    EXPECT_EQ(*(dropped() + 1), "connecting");
  }
}

const std::string kLogin =
    "user N0CALL-10 pass 13023 vers brevio 1.0.0 filter g/N0CALL-10/QDOS/QUERY\r\n";

// Frames wait for the login response: the server would refuse them before it.
TEST(AprsIsTransportTest, SendsFramesOnceTheServerHasTakenTheLogin) {
  Harness harness;
  harness.greeting = "# aprsc 2.1.14-g5e6e6b8\r\n";
  std::unique_ptr<Transport> link = AprsIs(harness);
  ASSERT_TRUE(Brought(harness, 1, kLogin));
  link->Transmit({"N0CALL-10", "APZBRV", {}, ">early"}, 1);
  QTest::qWait(100);
  EXPECT_EQ(harness.peer->received[0], kLogin);
  harness.peer->Send(
      "# logresp N0CALL-10 verified, server T2TEST\r\n"
      "N0CALL>APRS,TCPIP*,qAC,T2TEST::N0CALL-10:?HELP{5\r\n");
  EXPECT_TRUE(Brought(harness, 1, kLogin + "N0CALL-10>APZBRV,TCPIP*:>early\r\n"));
  EXPECT_EQ(harness.sink.heard, Lines{"N0CALL>APRS,TCPIP*,qAC,T2TEST::N0CALL-10:?HELP{5"});
}

TEST(AprsIsTransportTest, WithoutACallSignSendsNoLoginAndTriesAgain) {
  Harness harness;
  harness.call = "";
  std::unique_ptr<Transport> link = AprsIs(harness);
  const Lines& seen = harness.statuses.seen;
  ASSERT_TRUE(WaitFor([&] { return seen.size() >= 6; }));
  for (const std::size_t at : {2u, 5u}) {
    EXPECT_TRUE(seen[at].starts_with("waiting: no call sign to log in with")) << seen[at];
  }
  for (const std::string& bytes : harness.peer->received) EXPECT_EQ(bytes, "");
}

// The link sends its comment line while the server says nothing, until it gives up.
TEST(AprsIsTransportTest, KeepsTheConnectionAliveAndReconnectsWhenTheFeedGoesSilent) {
  Harness harness;
  harness.options.silenceMs = 500;
  harness.keepAliveMs = 150;
  std::unique_ptr<Transport> link = AprsIs(harness);
  ASSERT_TRUE(Brought(harness, 2, kLogin));
  const std::string keepAlive = "# brevio keepalive\r\n";
  EXPECT_TRUE(harness.peer->received[0].starts_with(kLogin + keepAlive + keepAlive));
  EXPECT_EQ(harness.log[3], "APRS-IS " + harness.statuses.address +
                                ": nothing heard for 500 ms; next try in 50 ms");
}

// An input that fails to read (a folder) ends the link as its end would, rather than spin.
TEST(LinkStatusTest, StdioIsConnectedOnceStartedAndLostForGoodWhenTheInputEnds) {
  int pipe[2];
  ASSERT_EQ(::pipe(pipe), 0);
  ::close(pipe[1]);
  for (const int input : {pipe[0], ::open("/", O_RDONLY | O_DIRECTORY)}) {
    StdioTransport stdio(input, stdout);
    Harness harness;
    stdio.Observe(harness.statuses);
    stdio.Start(harness.sink, {});
    ASSERT_TRUE(WaitFor([&] { return harness.statuses.seen.size() == 3; }));
    EXPECT_EQ(harness.statuses.seen,
              (Lines{"connecting", "connected", "lost: the input has ended"}));
    EXPECT_EQ(harness.statuses.address, "stdio");
    ::close(input);
  }
}

TEST(SerialDeviceTest, OpensThePortAtTheSpeedOfItsAddress) {
  QTemporaryDir folder;
  PtyPeer tnc(folder.filePath("tnc").toStdString());
  SerialDevice device(TncAddress::Serial(folder.filePath("tnc").toStdString(), 115200));
  device.Watch({[] {}, [](const std::string& reason) { ADD_FAILURE() << reason; }});
  device.Open();
  EXPECT_EQ(tnc.Speed(), B115200);
}

}  // namespace
}  // namespace brevio::test
