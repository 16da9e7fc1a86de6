// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <tuple>

#include "host/aprs/Ax25Frame.h"
#include "host/aprs/KissFrame.h"
#include "host/aprs/Tnc2Line.h"
#include "host/net/AprsIsTransport.h"
#include "host/net/KissTransport.h"
#include "host/net/SerialDevice.h"
#include "host/net/StdioTransport.h"
#include "host/net/TcpDevice.h"

namespace brevio::test {
namespace {

using namespace std::chrono;
using namespace std::string_literals;
using Lines = std::vector<std::string>;

Tnc2Frame Frame(const std::string& line) {
  return ParseTnc2Line(line, CallSignRule::Ax25).value();
}
std::string Kiss(const std::string& line, int port = 0) {
  return EncodeKissFrame(port, EncodeAx25UiFrame(Frame(line)).value()).value();
}
bool WaitFor(auto done) {
  return QTest::qWaitFor(done, 5000);
}

// A TNC or server of the test's own. Unplugged (switched off), what the link tries fails; hung
// (there but unresponsive), it takes no new connection or no more bytes.
struct Peer {
  virtual ~Peer() = default;
  virtual void Send(const std::string& bytes) = 0;
  virtual void Unplug() = 0;
  virtual void Plug() = 0;
  virtual void Hang() = 0;
  Lines received;  // the bytes of each connection so far
};

// On a free loopback port, one connection at a time.
class LoopbackPeer : public Peer {
 public:
  LoopbackPeer() {
    Plug();
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
      socket_ = server_.nextPendingConnection();
      received.emplace_back();
      QObject::connect(socket_, &QTcpSocket::readyRead, socket_, [this, at = received.size() - 1] {
        received[at] += socket_->readAll().toStdString();
      });
      if (!greeting.empty()) Send(greeting);
    });
  }
  void Send(const std::string& bytes) override {
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_->flush();
  }
  void Unplug() override {
    socket_->abort();
    server_.close();
  }
  void Plug() override {
    server_.listen(QHostAddress::LocalHost, port);
    port = server_.serverPort();
  }
  // A queue of one, held full: the system drops further connection requests.
  void Hang() override {
    Unplug();
    server_.setListenBacklogSize(0);
    Plug();
    server_.pauseAccepting();
    filler_.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(filler_.waitForConnected(1000));
  }

  std::string greeting;  // said first on each connection
  quint16 port = 0;

 private:
  QTcpServer server_;
  QTcpSocket* socket_ = nullptr;
  QTcpSocket filler_;
};

// A serial TNC: a pseudo-terminal that the link opens through a symbolic link at `path`, as
// /dev/serial/by-id names a USB device.
class PtyPeer : public Peer {
 public:
  explicit PtyPeer(std::string path) : path_(std::move(path)) { Plug(); }
  ~PtyPeer() override { Unplug(); }

  void Plug() override {
    std::array<char, 128> name{};
    ::openpty(&tnc_, &device_, name.data(), nullptr, nullptr);
    // Raw and held open here too: no echo, and no hang-up before the link opens it.
    termios raw{};
    ::tcgetattr(device_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(device_, TCSANOW, &raw);
    ::symlink(name.data(), path_.c_str());
    received.emplace_back();
    notifier_ = std::make_unique<QSocketNotifier>(tnc_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
      std::array<char, 4096> buffer;
      const ssize_t count = ::read(tnc_, buffer.data(), buffer.size());
      if (count > 0) received.back().append(buffer.data(), static_cast<std::size_t>(count));
    });
  }
  void Unplug() override {
    if (!notifier_) return;
    notifier_.reset();
    for (const int end : {tnc_, device_}) ::close(end);
    ::unlink(path_.c_str());
  }
  void Hang() override { ::tcflow(device_, TCOOFF); }  // output suspended, as by flow control
  void Send(const std::string& bytes) override {
    ASSERT_EQ(::write(tnc_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  // The line speed that the device's last opener set.
  speed_t Speed() const {
    termios settings{};
    ::tcgetattr(device_, &settings);
    return ::cfgetospeed(&settings);
  }

 private:
  std::string path_;
  int tnc_ = -1;
  int device_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
};

// A link of each kind, started against a peer of its own. It records each status as
// "STATE[: REASON][ in MS]" (MS to the next try, to the nearest 10), and each frame heard as
// "LINE", or "PORT LINE" when it came with a port, and each frame that left as "LINE".
struct Harness : LinkObserver, FrameSink {
  void LinkChanged(const LinkStatus& status) override {
    address = status.address;
    seen.push_back(std::array{"connecting", "connected", "waiting",
                              "lost"}[static_cast<std::size_t>(status.state)]);
    if (!status.reason.empty()) seen.back() += ": " + status.reason;
    const auto ms = duration_cast<milliseconds>(status.nextTry - system_clock::now()).count();
    if (status.state == LinkState::Waiting)
      seen.back() += " in " + std::to_string((ms + 5) / 10 * 10);
  }
  void FrameReceived(const Tnc2Frame& frame, std::optional<std::int16_t> port) override {
    heard.push_back((port ? std::to_string(*port) + " " : "") + FormatTnc2Line(frame));
  }
  void FrameLeft(const Tnc2Frame& frame) override { left.push_back(FormatTnc2Line(frame)); }
  void FrameDropped() override { ++dropped; }

  std::unique_ptr<Transport> KissOverTcp() {
    const TncAddress tnc{TncAddress::Kind::Kiss, "127.0.0.1", Loopback("")};
    return Started(
        std::make_unique<KissTransport>(std::make_unique<TcpDevice>(tnc), logger, options));
  }
  std::unique_ptr<Transport> KissOverSerial() {
    const std::string path = folder.filePath("tnc").toStdString();
    peer = std::make_unique<PtyPeer>(path);
    return Started(std::make_unique<KissTransport>(
        std::make_unique<SerialDevice>(TncAddress::Serial(path, 115200)), logger, options));
  }
  std::unique_ptr<Transport> AprsIs() {
    return Started(std::make_unique<AprsIsTransport>(
        "127.0.0.1", Loopback(greeting), [this] { return call; }, "1.0.0", logger,
        AprsIsOptions{.link = options, .keepAliveMs = keepAliveMs}));
  }
  quint16 Loopback(const std::string& said) {
    auto server = std::make_unique<LoopbackPeer>();
    server->greeting = said;
    const quint16 port = server->port;
    peer = std::move(server);
    return port;
  }
  std::unique_ptr<Transport> Started(auto link) {
    link->Observe(*this);
    link->Start(*this);
    return link;
  }
  // Whether the peer's `connection`th connection (from 1) has brought `bytes`, in time.
  bool Brought(std::size_t connection, const std::string& bytes) {
    return WaitFor([&] {
      return peer->received.size() >= connection && peer->received[connection - 1] == bytes;
    });
  }

  std::string address;
  Lines seen, heard, log, left;
  int dropped = 0;
  LinkLog logger = [this](const std::string& line) { log.push_back(line); };
  QTemporaryDir folder;
  std::unique_ptr<Peer> peer;
  LinkOptions options{.firstRetryMs = 50, .longestRetryMs = 200};
  std::string call = "N0CALL-10";  // what the APRS-IS link logs in with
  std::string greeting = "# aprsc 2.1.14\r\n# logresp N0CALL-10 verified, server T2TEST\r\n";
  int keepAliveMs = 300000;
};

const std::string kLogin =
    "user N0CALL-10 pass 13023 vers brevio 1.0.0 filter g/N0CALL-10/QDOS/QUERY\r\n";
// Host port 3 is KISS port 2; 0 and 17 have none, and go out on KISS port 0.
const std::string kKissResent = Kiss("N0CALL-10>APZBRV::N0CALL   :reply{1", 2) +
                                Kiss("N0CALL-10>APZBRV::N0CALL   :ack5") +
                                Kiss("N0CALL-10>APZBRV:>16", 15) + Kiss("N0CALL-10>APZBRV:>17");

struct UpDownCase {
  const char* name;
  std::unique_ptr<Transport> (Harness::*start)();
  std::string kind;
  // Why the link went, and why the tries after failed.
  std::string lost, missing;
  // What reaches the peer once it is back: the frames sent meanwhile (each once), those sent
  // just before the link is destroyed, after the login if any.
  std::string resent;
  std::string session;  // logged after "connected" on each connection
};

class LinkUpDownTest : public ::testing::TestWithParam<UpDownCase> {};

TEST_P(LinkUpDownTest, ReportsEachChangeAndSendsWhatWaitedOnceThePeerIsBack) {
  const UpDownCase& row = GetParam();
  Harness harness;
  std::unique_ptr<Transport> link = (harness.*row.start)();
  Peer& peer = *harness.peer;
  const Lines& seen = harness.seen;
  const bool kiss = row.kind == "TNC";  // with ports; APRS-IS has none
  const auto wire = [&](const std::string& line, int port) {
    return kiss ? Kiss(line, port) : line + "\r\n";
  };
  ASSERT_TRUE(WaitFor([&] { return seen.size() == 2; }));
  const std::string cutOff = wire("N0CALL>APRS:>cut off", 0);
  peer.Send(wire("N0CALL>APRS:>before", 2) + cutOff.substr(0, cutOff.size() - 3));
  ASSERT_TRUE(WaitFor([&] { return harness.heard.size() == 1; }));

  peer.Unplug();
  ASSERT_TRUE(WaitFor([&] { return seen.size() == 3; }));
  const std::pair<const char*, std::int16_t> waiting[] = {
      {":N0CALL   :reply{1", 3}, {":N0CALL   :ack5", 0}, {":N0CALL   :reply{1", 3}};  // a retry
  for (const auto& [text, port] : waiting) link->Transmit({"N0CALL-10", "APZBRV", {}, text}, port);
  // Back when the longest wait has come round twice.
  ASSERT_TRUE(WaitFor([&] { return seen.size() == 9; }));
  EXPECT_TRUE(harness.left.empty()) << "nothing leaves while the link is down";
  peer.Plug();
  ASSERT_TRUE(WaitFor([&] { return seen.size() == 11 && peer.received.size() == 2; }));
  peer.Send(wire("N0CALL>APRS:>after", 0));
  ASSERT_TRUE(WaitFor([&] { return harness.heard.size() == 2; }));
  // Frames sent just before the link goes with the program still leave.
  for (const int port : {16, 17})
    link->Transmit(Frame("N0CALL-10>APZBRV:>" + std::to_string(port)), std::int16_t(port));
  link.reset();
  EXPECT_TRUE(WaitFor([&] { return peer.received[1] == row.resent; })) << peer.received[1];
  ASSERT_EQ(harness.left.size(), 4u);
  EXPECT_EQ(harness.left[0], kiss ? "N0CALL-10>APZBRV::N0CALL   :reply{1"
                                  : "N0CALL-10>APZBRV,TCPIP*::N0CALL   :reply{1");

  // Heard on their host ports; the frame cut off by the loss does not run into the next one.
  const std::string three = kiss ? "3 " : "", one = kiss ? "1 " : "";
  EXPECT_EQ(harness.heard, (Lines{three + "N0CALL>APRS:>before", one + "N0CALL>APRS:>after"}));
  const std::string lost = "waiting: " + row.lost, missing = "waiting: " + row.missing;
  EXPECT_EQ(seen, (Lines{"connecting", "connected", lost + " in 50", "connecting",
                         missing + " in 100", "connecting", missing + " in 200", "connecting",
                         missing + " in 200", "connecting", "connected"}));
  Lines log = {"connecting",
               "connected",
               row.lost + "; next try in 50 ms",
               row.missing + "; next try in 100 ms",
               row.missing + "; trying again every 200 ms",
               "connected, 2 frames waiting"};
  if (!row.session.empty()) {
    log.insert(log.begin() + 2, row.session);
    log.push_back(row.session);
  }
  for (std::string& line : log) line.insert(0, row.kind + " " + harness.address + ": ");
  EXPECT_EQ(harness.log, log);
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkUpDownTest,
    ::testing::Values(
        UpDownCase{"KissOverTcp", &Harness::KissOverTcp, "TNC",
                   "The remote host closed the connection", "Connection refused", kKissResent, ""},
        UpDownCase{"KissOverSerial", &Harness::KissOverSerial, "TNC",
                   "the device was unplugged or has failed", "No such file or directory",
                   kKissResent, ""},
        UpDownCase{"AprsIs", &Harness::AprsIs, "APRS-IS", "The remote host closed the connection",
                   "Connection refused",
                   kLogin + "N0CALL-10>APZBRV,TCPIP*::N0CALL   :reply{1\r\n"
                            "N0CALL-10>APZBRV,TCPIP*::N0CALL   :ack5\r\n"
                            "N0CALL-10>APZBRV,TCPIP*:>16\r\nN0CALL-10>APZBRV,TCPIP*:>17\r\n",
                   "logged in as N0CALL-10, verified, server T2TEST"}),
    [](const auto& test) { return std::string(test.param.name); });

// Over a serial port opened at its address's speed.
TEST(KissTransportTest, SurvivesGarbageOverlongFramesAndFramesThatAreNoUiFrames) {
  Harness harness;
  std::unique_ptr<Transport> link = harness.KissOverSerial();
  ASSERT_TRUE(WaitFor([&] { return harness.seen.size() == 2; }));
  EXPECT_EQ(static_cast<PtyPeer&>(*harness.peer).Speed(), B115200);
  const std::string overlong = "\xC0\x00"s + std::string(5000, 'A') + "\xC0";
  const std::string sabm = "\xC0\x00"s +
                           EncodeAx25UiFrame(Frame("N0CALL>APRS:x")).value().substr(0, 14) +
                           "\x3F\xC0";  // a connected-mode frame
  harness.peer->Send("garbage\xDB\xC0\xC0\x00\xDB\x01\xC0"s + overlong + sabm +
                     Kiss("N0CALL>APRS:>ok"));
  ASSERT_TRUE(WaitFor([&] { return !harness.heard.empty(); }));
  EXPECT_EQ(harness.heard, Lines{"1 N0CALL>APRS:>ok"});
  EXPECT_EQ(static_cast<KissTransport&>(*link).UndecodableDropped(), 1u);
  EXPECT_EQ(harness.dropped, 3) << "the bad escape, the overlong frame and the connected-mode one";
}

// A peer that takes what is sent keeps the link; one that hangs is dropped and tried again.
TEST(LinkHangTest, APeerThatHangsIsDroppedAndTriedAgain) {
  const std::pair<std::unique_ptr<Transport> (Harness::*)(), std::string> hangs[] = {
      {&Harness::KissOverTcp, "no connection within 100 ms"},
      {&Harness::KissOverSerial, "sending stalled for 100 ms"}};
  for (const auto& [start, reason] : hangs) {
    SCOPED_TRACE(reason);
    Harness harness;
    harness.options.connectTimeoutMs = harness.options.writeStallMs = 100;
    std::unique_ptr<Transport> link = (harness.*start)();
    const Lines& seen = harness.seen;
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

// Frames wait for the login response: the server would refuse them before it.
TEST(AprsIsTransportTest, SendsFramesOnceTheServerHasTakenTheLogin) {
  Harness harness;
  harness.greeting = "# aprsc 2.1.14-g5e6e6b8\r\n";
  std::unique_ptr<Transport> link = harness.AprsIs();
  ASSERT_TRUE(harness.Brought(1, kLogin));
  link->Transmit({"N0CALL-10", "APZBRV", {}, ">early"}, 1);
  QTest::qWait(100);
  EXPECT_EQ(harness.peer->received[0], kLogin);
  harness.peer->Send(
      "# logresp N0CALL-10 verified, server T2TEST\r\n"
      "N0CALL>APRS,TCPIP*,qAC,T2TEST::N0CALL-10:?HELP{5\r\n");
  EXPECT_TRUE(harness.Brought(1, kLogin + "N0CALL-10>APZBRV,TCPIP*:>early\r\n"));
  EXPECT_EQ(harness.heard, Lines{"N0CALL>APRS,TCPIP*,qAC,T2TEST::N0CALL-10:?HELP{5"});
}

// Without a call, or with a login the server rejects, nothing is sent but the login.
TEST(AprsIsTransportTest, WithoutACallSignOrARejectedLoginSendsNothingAndTriesAgain) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "no call sign to log in with"},
      {"N0CALL-10", "the server rejected the login as N0CALL-10"}};
  for (const auto& [call, reason] : cases) {
    Harness harness;
    harness.call = call;
    harness.greeting = "# logresp N0CALL-10 rejected\r\n";
    std::unique_ptr<Transport> link = harness.AprsIs();
    link->Transmit({"N0CALL-10", "APZBRV", {}, ">held"}, 1);
    const Lines& seen = harness.seen;
    ASSERT_TRUE(WaitFor([&] { return seen.size() >= 6; }));
    for (const std::size_t at : {2u, 5u}) EXPECT_TRUE(seen[at].starts_with("waiting: " + reason));
    // The server may close a connection before the login has reached it.
    for (const std::string& bytes : harness.peer->received) {
      EXPECT_TRUE(bytes.empty() || (!call.empty() && bytes == kLogin)) << bytes;
    }
  }
}

// The link sends its comment line while the server says nothing, until it gives up.
TEST(AprsIsTransportTest, KeepsTheConnectionAliveAndReconnectsWhenTheFeedGoesSilent) {
  Harness harness;
  harness.options.silenceMs = 500;
  harness.keepAliveMs = 150;
  std::unique_ptr<Transport> link = harness.AprsIs();
  ASSERT_TRUE(harness.Brought(2, kLogin));
  const std::string keepAlive = "# brevio keepalive\r\n";
  EXPECT_TRUE(harness.peer->received[0].starts_with(kLogin + keepAlive + keepAlive));
  EXPECT_EQ(harness.log[3],
            "APRS-IS " + harness.address + ": nothing heard for 500 ms; next try in 50 ms");
}

// Lines read reach the sink, a last one without its line end too, and the dropped are counted;
// an input that fails to read (a folder) ends the link as its end would, rather than spin.
TEST(LinkStatusTest, StdioIsConnectedOnceStartedAndLostForGoodWhenTheInputEnds) {
  int pipe[2];
  ASSERT_EQ(::pipe(pipe), 0);
  const std::string lines = "N0CALL>APRS:>a\nno frame\nN0CALL>APRS:>b";
  ASSERT_EQ(::write(pipe[1], lines.data(), lines.size()), static_cast<ssize_t>(lines.size()));
  ::close(pipe[1]);
  const std::tuple<int, Lines, int> inputs[] = {{pipe[0], {"N0CALL>APRS:>a", "N0CALL>APRS:>b"}, 1},
                                                {::open("/", O_RDONLY | O_DIRECTORY), {}, 0}};
  for (const auto& [input, heard, dropped] : inputs) {
    StdioTransport stdio(input, STDOUT_FILENO, [](const std::string&) {});
    Harness harness;
    stdio.Observe(harness);
    stdio.Start(harness, {});
    ASSERT_TRUE(WaitFor([&] { return harness.seen.size() == 3; }));
    EXPECT_EQ(harness.seen, (Lines{"connecting", "connected", "lost: the input has ended"}));
    EXPECT_EQ(harness.address, "stdio");
    EXPECT_EQ(harness.heard, heard);
    EXPECT_EQ(harness.dropped, dropped);
    ::close(input);
  }
}

}  // namespace
}  // namespace brevio::test
