#pragma once

#include <QTcpServer>
#include <QTcpSocket>

#include "TestPeer.h"

namespace brevio::test {

// A TNC or server on loopback: takes one connection at a time.
class LoopbackPeer : public TestPeer {
 public:
  // Listens on `port`, or on a free one.
  explicit LoopbackPeer(quint16 port = 0) {
    server_.listen(QHostAddress::LocalHost, port);
    port_ = server_.serverPort();
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
      socket_ = server_.nextPendingConnection();
      received.emplace_back();
      const std::size_t index = received.size() - 1;
      QObject::connect(socket_, &QTcpSocket::readyRead, socket_,
                       [this, index] { received[index] += socket_->readAll().toStdString(); });
      if (greeting) Send(greeting());
    });
  }

  quint16 Port() const { return port_; }
  bool Listening() const { return server_.isListening(); }

  void Send(const std::string& bytes) override {
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_->flush();
  }
  // Ends the current connection from this side.
  void Drop() { socket_->abort(); }
  void Unplug() override {
    Drop();
    server_.close();
  }
  void Plug() override { server_.listen(QHostAddress::LocalHost, port_); }

  // What the peer says first on each connection.
  std::function<std::string()> greeting;

 private:
  QTcpServer server_;
  quint16 port_ = 0;
  QTcpSocket* socket_ = nullptr;
};

}  // namespace brevio::test
