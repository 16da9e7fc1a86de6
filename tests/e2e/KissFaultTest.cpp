#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <csignal>
#include <memory>

#include "e2e/StationProcess.h"
#include "host/aprs/Ax25Frame.h"
#include "host/aprs/KissDeframer.h"
#include "host/aprs/Tnc2Line.h"

namespace {

using brevio::test::StationProcessTest;

// A TNC of the test's own on loopback that the server connects to: it sends TNC2 lines as
// AX.25 frames in KISS and keeps what it hears as TNC2 lines, across connections.
class KissTnc {
 public:
  KissTnc() {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
      socket_.reset(server_.nextPendingConnection());
      deframer_ = brevio::KissDeframer();
      ++connections;
      QObject::connect(socket_.get(), &QTcpSocket::readyRead, socket_.get(), [this] {
        const QByteArray bytes = socket_->readAll();
        for (const brevio::KissFrame& kiss : deframer_.Feed(bytes.toStdString())) {
          const brevio::Ax25Decoded decoded = brevio::DecodeAx25UiFrame(kiss.payload);
          heard += QByteArray::fromStdString(
              (decoded.frame ? brevio::FormatTnc2Line(*decoded.frame) : decoded.fault) + "\n");
        }
      });
    });
  }

  QString Address() const { return QString("kiss://127.0.0.1:%1").arg(server_.serverPort()); }

  // Waits for connection number `count`.
  bool Connected(int count, int ms = 10000) {
    return QTest::qWaitFor([&] { return connections >= count; }, ms);
  }

  static QByteArray Frame(const std::string& line) {
    const auto tnc2 = brevio::ParseTnc2Line(line, brevio::CallSignRule::Ax25);
    return QByteArray::fromStdString(
        brevio::EncodeKissFrame(0, brevio::EncodeAx25UiFrame(tnc2.value()).value()).value());
  }

  // Writes `bytes` out to the system at once.
  void Send(const QByteArray& bytes) {
    socket_->write(bytes);
    socket_->flush();
  }

  // Ends the connection as a TNC that fails does; what was sent still goes out first.
  void Drop() {
    socket_->disconnectFromHost();
    socket_.release()->deleteLater();
  }

  bool Heard(const QByteArray& text, int ms = 10000) {
    return QTest::qWaitFor([&] { return heard.contains(text); }, ms);
  }

  int connections = 0;
  QByteArray heard;

 private:
  QTcpServer server_;
  std::unique_ptr<QTcpSocket> socket_;
  brevio::KissDeframer deframer_;
};

class KissFaultTest : public StationProcessTest {
 protected:
  KissFaultTest() {
    QObject::connect(&process_, &QProcess::readyReadStandardError, &process_,
                     [this] { error_ += process_.readAllStandardError(); });
  }

  bool Said(const QByteArray& text, int ms = 10000) {
    return QTest::qWaitFor([&] { return error_.contains(text); }, ms);
  }

  KissTnc tnc_;
};

// A TNC that stalls in the middle of a frame holds nothing up, and the reply to a query that
// came just before the connection went waits for the next one.
TEST_F(KissFaultTest, AStallOrADropOfTheTncLosesNoQuery) {
  Start(tnc_.Address());
  ASSERT_TRUE(tnc_.Connected(1)) << error_.toStdString();
  const QByteArray stalled = KissTnc::Frame("K1ABC>APRS::N0CALL-10:?WX{1");
  tnc_.Send(stalled.left(stalled.size() / 2));
  kill(static_cast<pid_t>(process_.processId()), SIGHUP);
  EXPECT_TRUE(Said("Reloading definition files. "));
  tnc_.Send(stalled.mid(stalled.size() / 2));
  EXPECT_TRUE(tnc_.Heard("::K1ABC    :Sunny{1\n")) << tnc_.heard.toStdString();

  tnc_.Send(KissTnc::Frame("K2ABC>APRS::N0CALL-10:?WX{2"));
  tnc_.Drop();
  ASSERT_TRUE(tnc_.Connected(2)) << error_.toStdString();
  EXPECT_TRUE(Said("; next try in 1 s"));
  EXPECT_TRUE(tnc_.Heard("::K2ABC    :Sunny{2\n")) << tnc_.heard.toStdString();
  EXPECT_EQ(process_.state(), QProcess::Running);
}

}  // namespace
