#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QThread>

#include "e2e/StationProcess.h"

namespace {

// A quiet station on a link with nothing coming in: the stdio link, or a TNC on loopback that
// takes the connection (the kernel does, with nobody accepting) and never sends.
class IdleStationTest : public brevio::test::StationProcessTest,
                        public ::testing::WithParamInterface<bool> {
 protected:
  void StartQuiet() {
    const bool kiss = GetParam();
    tnc_.listen(QHostAddress::LocalHost);
    Start(kiss ? QString("kiss://127.0.0.1:%1").arg(tnc_.serverPort()) : QString("stdio"));
    ASSERT_TRUE(ErrorShows(kiss ? ": connected" : "loading BRV object definitions from"));
  }

  QTcpServer tnc_;
};

// Generous, so that a loaded machine does not fail it; the old 100 ms wait woke 10 times a second.
constexpr double kMostWakeUpsASecond = 2;

TEST_P(IdleStationTest, SleepsWhileQuietAndStillReloadsAChangedTopicFileAtOnce) {
  StartQuiet();
  QThread::msleep(500);  // the link's first lines settle
  const long before = ProcStatus("voluntary_ctxt_switches");
  QThread::msleep(3000);
  const long wakeUps = ProcStatus("voluntary_ctxt_switches") - before;
  EXPECT_LT(wakeUps, 3 * kMostWakeUpsASecond) << "wake-ups in three quiet seconds";

  QElapsedTimer clock;
  clock.start();
  Write(program_.path() + "/brv.txt", "?WX\r\n>Rain and wind\r\n");
  EXPECT_TRUE(ErrorShows("File BRV.TXT has changed, reloading definition files. ", 2000))
      << error_.toStdString();
  EXPECT_LT(clock.elapsed(), 2000);

  // The sleeping loop still ends at once on a signal, in its orderly way.
  clock.restart();
  process_.terminate();
  ASSERT_TRUE(process_.waitForFinished(2000));
  EXPECT_LT(clock.elapsed(), 2000);
  EXPECT_TRUE(LogFile().endsWith(" end of UI-View32 add-on Brevio Server V1.0.0\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Links, IdleStationTest, ::testing::Values(false, true),
                         [](const auto& row) { return row.param ? "Kiss" : "Stdio"; });

}  // namespace
