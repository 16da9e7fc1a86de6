#include <gtest/gtest.h>

#include <csignal>

#include "e2e/StationProcess.h"

namespace brevio::test {
namespace {

using StdioStationTest = StationProcessTest;

// Headless, signals stand for the menu commands and the folder watch serves as the main loop.
TEST_F(StdioStationTest, AnswersQueriesFollowsSignalsAndEndsWithItsInput) {
  Start();
  const auto signal = [this](int number) {
    ::kill(static_cast<pid_t>(process_.processId()), number);
  };
  // What is no frame is skipped.
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
  signal(SIGHUP);
  EXPECT_TRUE(Shows(error_, "Reloading definition files. "));
  process_.write("X{6\n");
  EXPECT_TRUE(Shows(sent_, ":Sunny{3\n")) << sent_.toStdString();
  // Acks are no replies; the lines that are no frames are not heard.
  signal(SIGUSR2);
  EXPECT_TRUE(Shows(error_, " stdio: connected | frames heard: 3 | replies sent: 3\n"));
  signal(SIGUSR1);
  EXPECT_TRUE(Shows(error_, "Scan for QDOS: off"));
  // A new length of the topic file reloads it without a command.
  Write(program_.path() + "/brv.txt", "?WX\r\n>Rain and wind\r\n");
  EXPECT_TRUE(Shows(error_, "File BRV.TXT has changed, reloading definition files. "));
  process_.write("N0CALL>APRS::N0CALL-10:?WX{7\n");
  EXPECT_TRUE(Shows(sent_, ":Rain and wind{4\n")) << sent_.toStdString();

  // The end of standard input ends the program through its orderly unload.
  process_.closeWriteChannel();
  ASSERT_TRUE(Until([&] { return process_.state() == QProcess::NotRunning; }));
  EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process_.exitCode(), 0) << error_.toStdString();
  // Without --echo the heard traffic stays off the terminal.
  EXPECT_FALSE(error_.contains(" N0CALL>APRS,WIDE1-1 <UI>\n"));
  const QByteArray log = LogFile();
  for (const char* line : {" message = [HELP]\r\n", " reversed digipath = WIDE\r\n",
                           " message = [?TIME]\r\n", " End of deleting objects\r\n"}) {
    EXPECT_TRUE(log.contains(line)) << line << "\n" << log.toStdString();
  }
  EXPECT_TRUE(log.endsWith(" end of UI-View32 add-on Brevio Server V1.0.0\r\n"));

  // A peer may still wait on the numbers of a run that was killed: the next run goes on after them.
  for (const char* number : {"{5\n", "{6\n"}) {
    sent_.clear();
    Start();
    process_.write("N0CALL>APRS::N0CALL-10:?WX{5\n");
    EXPECT_TRUE(Shows(sent_, QByteArray(":Rain and wind") + number)) << sent_.toStdString();
    process_.kill();
    ASSERT_TRUE(process_.waitForFinished(5000));
  }
}

// A station set up from nothing is found by the next plain start, and answers.
TEST_F(StdioStationTest, ANewStationIsFoundAndAnswers) {
  const QString folder = tmpDir_ + "/new station";
  EXPECT_EQ(
      RunToEnd({"--new-station", folder, "--call", "n0abc-7", "--position", "49.0583 -72.0292"}), 0)
      << error_.toStdString();
  EXPECT_TRUE(sent_.endsWith("brevio --headless --program-folder '" + folder.toUtf8() + "'\n"));
  StartWith({"--headless", "--tnc", "stdio", "--program-folder", folder});
  process_.write("N0CALL>APRS::N0ABC-7:?CLUB{3\n");
  EXPECT_TRUE(Shows(sent_, "::N0CALL   :N0ABC-7 club station: ask ?NET{1\n"))
      << sent_.toStdString();
}

}  // namespace
}  // namespace brevio::test
