#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

namespace brevio::test {

// A TNC or server of the test's own on loopback: takes one connection at a time and keeps what
// each connection brought.
class LoopbackPeer {
 public:
  // Listens on `port`, or on a free one.
  explicit LoopbackPeer(quint16 port = 0) {
    server_.listen(QHostAddress::LocalHost, port);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
      socket_ = server_.nextPendingConnection();
      received.emplace_back();
      const std::size_t index = received.size() - 1;
      QObject::connect(socket_, &QTcpSocket::readyRead, socket_,
                       [this, index] { received[index] += socket_->readAll().toStdString(); });
      if (greeting) Send(greeting());
    });
  }

  quint16 Port() const { return server_.serverPort(); }
  bool Listening() const { return server_.isListening(); }

  void Send(const std::string& bytes) {
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  // Ends the current connection from this side.
  void Drop() { socket_->abort(); }

  // The bytes of each connection so far, the latest last.
  std::vector<std::string> received;
  // What the peer says first on each connection.
  std::function<std::string()> greeting;

 private:
  QTcpServer server_;
  QTcpSocket* socket_ = nullptr;
};

// Runs events until `done` holds or five seconds have passed; returns `done`.
inline bool WaitFor(const std::function<bool()>& done) {
  return QTest::qWaitFor(done, 5000);
}

}  // namespace brevio::test
