#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "e2e/StationProcess.h"

namespace brevio::test {
namespace {

using StdioFloodTest = StationProcessTest;

// Query `n` of a burst, each from a call of its own: monitored QDOS queries and numbered
// messages to the station, by turns.
QByteArray Query(int n) {
  const QByteArray from = "FL" + QByteArray::number(n / 10) + "-" + QByteArray::number(n % 10 + 1);
  const QByteArray number = QByteArray::number(n + 1);
  return n % 2 == 0 ? from + ">APRS,WIDE1-1::QDOS     :WX{" + number + "\n"
                    : from + ">APRS,WIDE1-1*::N0CALL-10:?WX{" + number + "\n";
}

// The gate throttles down for 15 s when six admitted requests lie within two minutes, drops
// every request while down, and throttles down again at the first request within a minute of
// the newest admitted one. So a burst much shorter than a minute is answered at most six times,
// and exactly six once the machine has been up two minutes (the free slots' stamp 0 then lies
// far enough back to admit the first six).
TEST_F(StdioFloodTest, ABurstOfAThousandQueriesIsAnsweredNoMoreThanTheGateAdmits) {
  constexpr int kQueries = 1000;
  constexpr int kAdmitted = 6;
  QFile uptime("/proc/uptime");  // seconds, as the server's tick count counts them
  const bool upTwoMinutes =
      uptime.open(QIODevice::ReadOnly) && uptime.readAll().split(' ')[0].toDouble() > 130;
  // With little freed memory kept aside by AddressSanitizer, what the process holds it uses.
  QProcessEnvironment env;
  env.insert("ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS") + ":quarantine_size_mb=1");
  StartWith(QStringList{"--headless", "--tnc", "stdio"} + Folders(), env);
  ASSERT_TRUE(Shows(error_, "loading BRV object definitions from"));
  const long rssBefore = ProcStatus("VmRSS");

  QElapsedTimer burst;
  burst.start();
  for (int chunk = 0; chunk < 10; ++chunk) {
    QByteArray lines;
    for (int n = chunk * kQueries / 10; n < (chunk + 1) * kQueries / 10; ++n) lines += Query(n);
    process_.write(lines);
    QTest::qWait(200);
  }
  // Frames are taken in order, each to its end: the ack of a last message means all are done.
  process_.write("LAST>APRS::N0CALL-10:bye{1\n");
  ASSERT_TRUE(Shows(sent_, "::LAST     :ack1\n", 30000)) << error_.right(2000).toStdString();
  const qint64 elapsed = burst.elapsed();
  const long rssAfter = ProcStatus("VmRSS");

  const QByteArray log = LogFile();
  const auto answers = sent_.count(":Sunny{");
  EXPECT_LE(answers, kAdmitted);
  EXPECT_TRUE(!upTwoMinutes || answers == kAdmitted) << answers;
  EXPECT_EQ(answers, log.count(" honored\r\n")) << "one answer for each admitted query";
  // One throttle-down, and one more for each throttle-up the burst outlasted.
  const auto downs = log.count("  Throttle down \r\n");
  EXPECT_GE(downs, 1);
  EXPECT_LE(downs, 1 + elapsed / 15000) << elapsed << " ms";
  EXPECT_GE(log.count("  Throttled down, ignoring this message \r\n"), kQueries - kAdmitted - 1);
  EXPECT_EQ(sent_.count(":ack"), kQueries / 2 + 1) << "every message to the station is acked";
  EXPECT_GT(rssBefore, 0);
  EXPECT_LT(rssAfter - rssBefore, 16 * 1024) << "kB more after the burst, from " << rssBefore;
  EXPECT_EQ(process_.state(), QProcess::Running);
}

// Rewritten in place many times a second, the topic file is now and then read half-written;
// once the writing stops the server serves what the file finally holds. The watch sees a
// change by the file's length, so the final text has a length that no text before it had.
TEST_F(StdioFloodTest, ATopicFileRewrittenManyTimesASecondIsServedWithItsFinalText) {
  Start();
  ASSERT_TRUE(Shows(error_, "loading BRV object definitions from"));
  QElapsedTimer storm;
  storm.start();
  int writes = 0;
  for (; storm.elapsed() < 6000; ++writes) {
    Write(program_.path() + "/brv.txt",
          "?WX\r\n>Storm " + QByteArray::number(writes) + QByteArray(writes % 7, '!') + "\r\n");
    QTest::qWait(20);
  }
  Write(program_.path() + "/brv.txt", "?WX\r\n>Calm after the storm all clear\r\n");
  QTest::qWait(1000);
  ASSERT_EQ(process_.state(), QProcess::Running) << error_.right(2000).toStdString();
  EXPECT_GT(error_.count("File BRV.TXT has changed, reloading definition files. "), writes / 10);
  process_.write("N0CALL>APRS::N0CALL-10:?WX{7\n");
  EXPECT_TRUE(Shows(sent_, ":Calm after the storm all clear{")) << sent_.toStdString();
}

}  // namespace
}  // namespace brevio::test
