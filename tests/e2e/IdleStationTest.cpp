#include <gtest/gtest.h>

#include <QTcpServer>
#include <QThread>

#include "e2e/StationProcess.h"

namespace brevio::test {
namespace {

// A quiet station on a link with nothing coming in: the stdio link, or a TNC on loopback that
// takes the connection (the kernel does, with nobody accepting) and never sends.
class IdleStationTest : public StationProcessTest, public ::testing::WithParamInterface<bool> {};

TEST_P(IdleStationTest, SleepsWhileQuietAndStillReloadsAChangedTopicFileAndEndsAtOnce) {
  QTcpServer tnc;
  tnc.listen(QHostAddress::LocalHost);
  Start(GetParam() ? QString("kiss://127.0.0.1:%1").arg(tnc.serverPort()) : QString("stdio"));
  ASSERT_TRUE(Shows(error_, GetParam() ? ": connected" : "loading BRV object definitions from"));
  QThread::msleep(500);  // the link's first lines settle
  const long before = ProcStatus("voluntary_ctxt_switches");
  QThread::msleep(3000);
  // Generous, so that a loaded machine does not fail it; a 100 ms poll wakes 30 times.
  EXPECT_LT(ProcStatus("voluntary_ctxt_switches") - before, 6) << "wake-ups in 3 quiet seconds";

  Write(program_.path() + "/brv.txt", "?WX\r\n>Rain and wind\r\n");
  EXPECT_TRUE(Shows(error_, "File BRV.TXT has changed, reloading definition files. ", 2000));
  process_.terminate();
  EXPECT_TRUE(process_.waitForFinished(2000));
  EXPECT_TRUE(LogFile().endsWith(" end of UI-View32 add-on Brevio Server V1.0.0\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Links, IdleStationTest, ::testing::Values(false, true),
                         [](const auto& row) { return row.param ? "Kiss" : "Stdio"; });

}  // namespace
}  // namespace brevio::test
