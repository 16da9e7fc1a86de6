// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <csignal>

#include "e2e/StationProcess.h"

namespace brevio::test {
namespace {

class StdioStationTest : public StationProcessTest {
 protected:
  void Signal(int number) { ::kill(static_cast<pid_t>(process_.processId()), number); }
};

// Headless, with the folder watch as its main loop: it sleeps while nothing comes, skips what is
// no frame, answers both kinds of query, follows its signals and ends with its input.
TEST_F(StdioStationTest, SleepsAnswersFollowsSignalsAndEndsWithItsInput) {
  Start();
  ASSERT_TRUE(Shows(error_, "loading BRV object definitions from"));
  ExpectSleepsWhileQuiet();
  process_.write(QByteArray("no frame\n>:\n\0\xff\n", 15) + QByteArray(5000, 'x') + "\n");
  process_.write("N0CALL>APRS,WIDE1-1::QDOS     :HELP{12\n");
  process_.write("N0CALL>APRS,WIDE1-1*::N0CALL-10:?TIME{5\r\n");
  ASSERT_TRUE(Until([&] { return sent_.count('\n') >= 3; })) << sent_.toStdString();
  const QList<QByteArray> sent = sent_.split('\n');
  // The monitored query is answered over one hop ("WIDE"), the directed one on the station's path.
  EXPECT_EQ(sent[0], "N0CALL-10>APZBRV,WIDE1-1::N0CALL   : ?WX{1");
  EXPECT_EQ(sent[1], "N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :ack5");
  EXPECT_TRUE(sent[2].startsWith("N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::N0CALL   :"));
  EXPECT_TRUE(sent[2].endsWith("{2")) << sent[2].toStdString();

  // A line cut off in the middle holds nothing up.
  process_.write("N0CALL>APRS::N0CALL-10:?W");
  Signal(SIGHUP);
  EXPECT_TRUE(Shows(error_, "Reloading definition files. "));
  process_.write("X{6\n");
  EXPECT_TRUE(Shows(sent_, ":Sunny{3\n")) << sent_.toStdString();
  // Acks are no replies; the lines that are no frames are not heard.
  Signal(SIGUSR2);
  EXPECT_TRUE(
      Shows(error_, " stdio: connected | frames heard: 3 | replies sent: 3 | dropped: 4\n"));
  Signal(SIGUSR1);
  EXPECT_TRUE(Shows(error_, "Scan for QDOS: off"));

  // The end of standard input ends the program through its orderly unload.
  process_.closeWriteChannel();
  ExpectOrderlyEnd();
  // Without --echo the heard traffic stays off the terminal.
  EXPECT_FALSE(error_.contains(" N0CALL>APRS,WIDE1-1 <UI>\n"));
}

// A new length of the topic file reloads it without a command. Rewritten in place many times a
// second, the file is now and then read half-written; once the writing stops the server serves
// what the file finally holds, a text of a length that no text before it had.
TEST_F(StdioStationTest, AStormOfTopicFileWritesEndsInWhatTheFileFinallyHolds) {
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
  const QByteArray calm = "Calm after the storm all clear";
  Write(program_.path() + "/brv.txt", "?WX\r\n>" + calm + "\r\n");
  // Calm is a second without a reload; a loaded machine may reload late.
  const char* changed = "File BRV.TXT has changed, reloading definition files. ";
  for (qsizetype reloads = -1; reloads != error_.count(changed);) {
    reloads = error_.count(changed);
    QTest::qWait(1000);
  }
  EXPECT_GT(error_.count(changed), writes / 10);
  process_.write("N0CALL>APRS::N0CALL-10:?WX{7\n");
  EXPECT_TRUE(Shows(sent_, ":" + calm + "{1\n")) << sent_.toStdString();
}

// A peer may still wait on the numbers of a run that was killed: the next run goes on after
// them. SIGTERM ends a run at once and in order, though its input stays open.
TEST_F(StdioStationTest, NumbersGoOnAfterAKilledRunAndSigtermEndsInOrder) {
  const auto ask = [&](const QByteArray& number) {
    sent_.clear();
    Start();
    process_.write("N0CALL>APRS::N0CALL-10:?WX{5\n");
    EXPECT_TRUE(Shows(sent_, ":Sunny{" + number + "\n")) << sent_.toStdString();
  };
  ask("1");
  process_.kill();
  ASSERT_TRUE(process_.waitForFinished(5000));
  ask("2");
  process_.terminate();
  ExpectOrderlyEnd(2000);
}

// A station set up from nothing is found by the next plain start, and answers. What is not
// given is asked for, again after each wrong answer, the call before the position.
TEST_F(StdioStationTest, ANewStationIsFoundAndAnswers) {
  const QString folder = tmpDir_ + "/new station";
  StartWith({"--new-station", folder});
  process_.write("\nNOCALL\nn0abc-7\nnowhere\nFN29bb\n");
  process_.closeWriteChannel();
  ASSERT_TRUE(Ends()) << error_.toStdString();
  EXPECT_EQ(process_.exitCode(), 0) << error_.toStdString();
  const QByteArray call = "Call sign (such as N0CALL-10): ";
  const QByteArray position = "Position (4903.50N 07201.75W, 49.0583 -72.0292 or FN29bb): ";
  EXPECT_TRUE(error_.startsWith(
      call + "brevio: a call sign is needed, such as N0CALL-10\n" + call +
      "brevio: call sign 'NOCALL' is refused: Error getting station callsign from UIView32.INI\n" +
      call + position + "brevio: position 'nowhere' is none: give latitude"))
      << error_.toStdString();
  EXPECT_TRUE(error_.endsWith("such as FN29bb\n" + position));
  EXPECT_EQ(error_.count(call), 3);
  EXPECT_TRUE(
      sent_.endsWith("brevio --headless\nand check its files after each change with: "
                     "brevio --check\n"));
  sent_.clear();
  StartWith({"--headless", "--tnc", "stdio"});
  process_.write("N0CALL>APRS::N0ABC-7:?CLUB{3\n");
  EXPECT_TRUE(Shows(sent_, "::N0CALL   :N0ABC-7 club station: ask ?NET{1\n"))
      << sent_.toStdString();
  // The new station beacons as set up, first of all.
  const QByteArray beacon = sent_.left(sent_.indexOf('\n') + 1);
  EXPECT_TRUE(beacon.startsWith("N0ABC-7>APZBRV,WIDE1-1,WIDE2-1:=") &&
              beacon.endsWith("W-Query server: message ?HELP for topics\n"))
      << beacon.toStdString();
}

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
TEST_F(StdioStationTest, ABurstOfAThousandQueriesIsAnsweredNoMoreThanTheGateAdmits) {
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

}  // namespace
}  // namespace brevio::test
