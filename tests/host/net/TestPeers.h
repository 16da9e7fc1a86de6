#pragma once

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "host/aprs/Ax25Frame.h"
#include "host/aprs/KissFrame.h"
#include "host/aprs/Tnc2Line.h"
#include "host/station/FrameSink.h"

// TNCs and servers of the tests' own, on loopback and on pseudo-terminals.
namespace brevio::test {

using Lines = std::vector<std::string>;

class TestPeer {
 public:
  virtual ~TestPeer() = default;
  virtual void Send(const std::string& bytes) = 0;
  // Gone, as a TNC switched off or unplugged: what the link tries then fails.
  virtual void Unplug() = 0;
  virtual void Plug() = 0;
  // There but unresponsive: it takes no new connection or no more bytes.
  virtual void Hang() = 0;

  Lines received;  // the bytes of each connection so far
};

// Each frame heard as "LINE", or "PORT LINE" when it came with a port.
class RecordingSink : public FrameSink {
 public:
  void FrameReceived(const Tnc2Frame& frame, std::optional<std::int16_t> port) override {
    heard.push_back((port ? std::to_string(*port) + " " : "") + FormatTnc2Line(frame));
  }
  Lines heard;
};

inline Tnc2Frame Frame(const std::string& line) {
  return ParseTnc2Line(line, CallSignRule::Ax25).value();
}

inline std::string Kiss(const std::string& line, int port = 0) {
  return EncodeKissFrame(port, EncodeAx25UiFrame(Frame(line)).value()).value();
}

template <typename Done>
bool WaitFor(Done done) {
  return QTest::qWaitFor(done, 5000);
}

// On a free loopback port, one connection at a time.
class LoopbackPeer : public TestPeer {
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

  quint16 Port() const { return port_; }
  void Send(const std::string& bytes) override {
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_->flush();
  }
  void Unplug() override {
    socket_->abort();
    server_.close();
  }
  void Plug() override {
    server_.listen(QHostAddress::LocalHost, port_);
    port_ = server_.serverPort();
  }
  // A queue of one, held full: the system drops further connection requests.
  void Hang() override {
    Unplug();
    server_.setListenBacklogSize(0);
    Plug();
    server_.pauseAccepting();
    filler_.connectToHost(QHostAddress::LocalHost, port_);
    ASSERT_TRUE(filler_.waitForConnected(1000));
  }

  std::string greeting;  // said first on each connection

 private:
  QTcpServer server_;
  quint16 port_ = 0;
  QTcpSocket* socket_ = nullptr;
  QTcpSocket filler_;
};

// A serial TNC: a pseudo-terminal that the link opens through a symbolic link at `path`, as
// /dev/serial/by-id names a USB device.
class PtyPeer : public TestPeer {
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

}  // namespace brevio::test
