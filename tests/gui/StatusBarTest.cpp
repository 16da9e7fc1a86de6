#include <QLabel>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "app/StationSummary.h"
#include "app/WidgetStatusBar.h"
#include "app/frmMain.h"
#include "host/net/KissTransport.h"
#include "host/net/TcpDevice.h"

namespace brevio {

namespace {

class NoSink : public FrameSink {
 public:
  void FrameReceived(const Tnc2Frame&, std::optional<std::int16_t>) override {}
};

}  // namespace

// The bar follows a real KISS link to a TNC of the test's own on loopback.
class StatusBarTest : public QObject {
  Q_OBJECT

 private:
  QString Shown() const {
    return window_.statusBar()->findChild<QLabel*>("lblStationSummary")->text();
  }

  frmMain window_;
  StationSummary summary_;
  WidgetStatusBar bar_{window_, summary_};

 private slots:
  void followsTheLinkUpDownAndUpAndTheThrottle() {
    QTcpServer tnc;
    QVERIFY(tnc.listen(QHostAddress::LocalHost));
    const QString address = QString("kiss://127.0.0.1:%1").arg(tnc.serverPort());
    KissTransport link(std::make_unique<TcpDevice>(
                           TncAddress(TncAddress::Kind::Kiss, "127.0.0.1", tnc.serverPort())),
                       [](const std::string&) {});
    link.Observe(summary_);
    NoSink sink;
    link.Start(sink);
    QTRY_COMPARE(Shown(), address + ": connected | frames heard: 0 | replies sent: 0");

    QTRY_VERIFY(tnc.hasPendingConnections());
    tnc.nextPendingConnection()->abort();
    QTRY_VERIFY(Shown().startsWith(address + ": trying again in 1 s ("));
    QVERIFY(Shown().endsWith(") | frames heard: 0 | replies sent: 0"));
    QTRY_COMPARE(Shown(), address + ": connected | frames heard: 0 | replies sent: 0");

    summary_.FrameHeard();
    summary_.FrameHeard();
    summary_.ReplySent();
    summary_.Throttled(true);
    QCOMPARE(Shown(), address + ": connected | frames heard: 2 | replies sent: 1 | throttled down");
    summary_.Throttled(false);
    QCOMPARE(Shown(), address + ": connected | frames heard: 2 | replies sent: 1");
  }

  // A wait for the next try counts down to it; it never shows less than nothing.
  void countsDownToTheNextTry() {
    const auto now = std::chrono::system_clock::now();
    summary_.LinkChanged({"serial:/dev/ttyUSB0@9600", LinkState::Waiting, "no such device",
                          now + std::chrono::milliseconds(4200)});
    QCOMPARE(summary_.Text(now), std::string("serial:/dev/ttyUSB0@9600: trying again in 5 s (no "
                                             "such device) | frames heard: 2 | replies sent: 1"));
    QVERIFY(summary_.Text(now + std::chrono::seconds(9)).find("trying again in 0 s") !=
            std::string::npos);
    summary_.LinkChanged({"stdio", LinkState::Lost, "the input has ended", {}});
    QCOMPARE(Shown(),
             QString("stdio: lost (the input has ended) | frames heard: 2 | replies sent: 1"));
  }
};

}  // namespace brevio

QTEST_MAIN(brevio::StatusBarTest)
#include "StatusBarTest.moc"
