#include <gtest/gtest.h>

#include <QRandomGenerator>
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

  void StartOnTnc() {
    Start(tnc_.Address());
    ASSERT_TRUE(tnc_.Connected(1)) << error_.toStdString();
  }

  bool Said(const QByteArray& text, int ms = 10000) {
    return QTest::qWaitFor([&] { return error_.contains(text); }, ms);
  }

  KissTnc tnc_;
};

// The reply to a query that came just before the connection went waits for the next one.
TEST_F(KissFaultTest, AQueryJustBeforeTheTncDropsIsAnsweredOnceTheLinkIsBack) {
  StartOnTnc();
  tnc_.Send(KissTnc::Frame("K1ABC>APRS::N0CALL-10:?WX{1"));
  tnc_.Drop();
  ASSERT_TRUE(tnc_.Connected(2)) << error_.toStdString();
  EXPECT_TRUE(Said("; next try in 1 s"));
  EXPECT_TRUE(tnc_.Heard("::K1ABC    :Sunny{1\n")) << tnc_.heard.toStdString();
  EXPECT_EQ(process_.state(), QProcess::Running);
}

TEST_F(KissFaultTest, ATncThatStallsMidFrameHoldsNothingUpAndItsCutFrameIsDropped) {
  StartOnTnc();
  const QByteArray first = KissTnc::Frame("K1ABC>APRS::N0CALL-10:?WX{1");
  tnc_.Send(first.left(first.size() / 2));
  // The server goes on with its other work while the rest of the frame is missing.
  kill(static_cast<pid_t>(process_.processId()), SIGHUP);
  EXPECT_TRUE(Said("Reloading definition files. "));
  tnc_.Send(first.mid(first.size() / 2));
  EXPECT_TRUE(tnc_.Heard("::K1ABC    :Sunny{1\n")) << tnc_.heard.toStdString();

  // A frame cut off by the loss of the connection is not taken for the start of the next one.
  const QByteArray cut = KissTnc::Frame("K2ABC>APRS::N0CALL-10:?WX{2");
  tnc_.Send(cut.left(cut.size() - 3));
  tnc_.Drop();
  ASSERT_TRUE(tnc_.Connected(2)) << error_.toStdString();
  tnc_.Send(KissTnc::Frame("K3ABC>APRS::N0CALL-10:?WX{3"));
  EXPECT_TRUE(tnc_.Heard("::K3ABC    :Sunny{2\n")) << tnc_.heard.toStdString();
  EXPECT_FALSE(tnc_.heard.contains("K2ABC")) << tnc_.heard.toStdString();
  EXPECT_EQ(process_.state(), QProcess::Running);
}

TEST_F(KissFaultTest, GarbageFromTheTncIsSkippedAndTheFramesAfterItAreAnswered) {
  StartOnTnc();
  QByteArray garbage;
  QRandomGenerator random(9);
  for (int i = 0; i < 65536; ++i) garbage += static_cast<char>(random.bounded(256));
  garbage += "\xC0\x00\xDB\x01\xC0";                       // a bad escape
  garbage += "\xC0\x05\x01\x02\xC0";                       // a command other than data
  garbage += "\xC0\x00" + QByteArray(5000, 'x') + "\xC0";  // longer than any frame
  garbage += "\xC0\x00no AX.25 frame\xC0";
  tnc_.Send(garbage);
  tnc_.Send(KissTnc::Frame("K1ABC>APRS::N0CALL-10:?WX{1"));
  EXPECT_TRUE(tnc_.Heard("::K1ABC    :Sunny{1\n")) << tnc_.heard.toStdString();
  EXPECT_EQ(tnc_.connections, 1) << error_.toStdString();
  EXPECT_EQ(process_.state(), QProcess::Running);
}

}  // namespace
