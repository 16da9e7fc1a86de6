#include <gtest/gtest.h>

#include <QTcpSocket>

#include "TestStation.h"

namespace brevio::test {
namespace {

// An APRS-IS server of the test's own on loopback: it greets, and keeps the lines it is sent.
class AprsIsServer {
 public:
  AprsIsServer() {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
      client_ = server_.nextPendingConnection();
      client_->write("# aprsc 2.1.14-g5e6e6b8\r\n");
      QObject::connect(client_, &QTcpSocket::readyRead, client_,
                       [this] { received += QString::fromLatin1(client_->readAll()); });
    });
  }

  QString Address() const { return "aprsis://127.0.0.1:" + QString::number(server_.serverPort()); }
  void Send(const QByteArray& lines) { client_->write(lines); }
  QStringList Lines() const { return received.split("\r\n", Qt::SkipEmptyParts); }

  QString received;

 private:
  QTcpServer server_;
  QTcpSocket* client_ = nullptr;
};

TEST(AprsIsStationTest, LogsInWithTheStationsCallAndAnswersAMessageFromTheFeed) {
  AprsIsServer server;
  TestStation station;
  station.Start(server.Address());
  ASSERT_TRUE(WaitFor([&] { return server.received.endsWith("\r\n"); })) << station.error.data();
  EXPECT_EQ(server.received,
            "user N0CALL-10 pass 13023 vers brevio 1.0.0 filter g/N0CALL-10/QDOS/QUERY\r\n");

  server.Send(
      "# logresp N0CALL-10 verified, server T2TEST\r\n"
      "N0CALL>APRS,TCPIP*,qAC,T2TEST::N0CALL-10:?WX{5\r\n");
  ASSERT_TRUE(WaitFor([&] { return server.Lines().size() >= 4; })) << station.error.data();
  const QStringList lines = server.Lines();
  EXPECT_EQ(lines[1], "N0CALL-10>APZBRV,TCPIP*::N0CALL   :ack5");
  EXPECT_EQ(lines[2], "N0CALL-10>APZBRV,TCPIP*::N0CALL   :Sunny{1");
  EXPECT_TRUE(lines[3].startsWith("N0CALL-10>APZBRV,TCPIP*:;WX0      *")) << lines[3].toStdString();
  EXPECT_TRUE(station.error.contains((server.Address().replace(0, 0, "APRS-IS ") +
                                      ": logged in as N0CALL-10, verified, server T2TEST\n")
                                         .toUtf8()))
      << station.error.data();
  EXPECT_EQ(station.Terminate(), 0) << station.error.data();
}

}  // namespace
}  // namespace brevio::test
