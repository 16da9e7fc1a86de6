// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QStatusBar>
#include <QtTest>

#include "app/StationSummary.h"
#include "app/WidgetStatusBar.h"
#include "app/frmMain.h"

namespace brevio {

using namespace std::chrono_literals;

// The bar shows the station's summary as it changes: the link (as the link tests see it
// reported), the frames heard, the replies sent and the throttle.
class StatusBarTest : public QObject {
  Q_OBJECT

  QString Shown() const {
    return window_.statusBar()->findChild<QLabel*>("lblStationSummary")->text();
  }

  frmMain window_;
  StationSummary summary_;
  WidgetStatusBar bar_{window_, summary_};

 private slots:
  void followsTheSummaryAndCountsDownToTheNextTry() {
    const std::string kiss = "kiss://127.0.0.1:8001";
    summary_.LinkChanged({kiss, LinkState::Connecting, "", {}});
    QCOMPARE(Shown(),
             "kiss://127.0.0.1:8001: connecting | frames heard: 0 | replies sent: 0 | dropped: 0");
    summary_.LinkChanged({kiss, LinkState::Connected, "", {}});
    summary_.FrameHeard();
    summary_.FrameHeard();
    summary_.ReplySent();
    summary_.FrameDropped();
    summary_.Throttled(true);
    QCOMPARE(Shown(),
             "kiss://127.0.0.1:8001: connected | frames heard: 2 | replies sent: 1 | "
             "dropped: 1 | throttled down");
    summary_.Throttled(false);
    QCOMPARE(Shown(),
             "kiss://127.0.0.1:8001: connected | frames heard: 2 | replies sent: 1 | dropped: 1");

    // Rounded up to the second, never below nothing, and shown afresh each second.
    const auto now = std::chrono::system_clock::now();
    const std::string serial = "serial:/dev/ttyUSB0@9600";
    summary_.LinkChanged({serial, LinkState::Waiting, "no such device", now + 1500ms});
    const QString waiting =
        "serial:/dev/ttyUSB0@9600: trying again in %1 s (no such device) | "
        "frames heard: 2 | replies sent: 1 | dropped: 1";
    QCOMPARE(Shown(), waiting.arg(2));
    QTRY_COMPARE(Shown(), waiting.arg(1));
    QCOMPARE(QString::fromStdString(summary_.Text(now + 9s)), waiting.arg(0));
    summary_.LinkChanged({"stdio", LinkState::Lost, "the input has ended", {}});
    QCOMPARE(Shown(),
             "stdio: lost (the input has ended) | frames heard: 2 | replies sent: 1 | dropped: 1");
  }
};

}  // namespace brevio

QTEST_MAIN(brevio::StatusBarTest)
#include "StatusBarTest.moc"
