// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <csignal>

#include "e2e/StationProcess.h"

namespace brevio::test {
namespace {

// What a bad day or a hostile sender does to a station, against the real binary.
struct HostileInputTest : StationProcessTest {
  void Signal(int number) { ::kill(static_cast<pid_t>(process_.processId()), number); }

  // Starts the station with `prepare` run in the process before the program, as it dies with
  // the test.
  void StartPrepared(std::function<void()> prepare, const QStringList& more = {}) {
    process_.setChildProcessModifier([prepare] {
      ::prctl(PR_SET_PDEATHSIG, SIGKILL);
      prepare();
    });
    StartWith(QStringList{"--headless", "--tnc", "stdio"} + Folders() + more);
    ASSERT_TRUE(Shows(error_, "loading BRV object definitions from"));
  }
};

// A full log disk (here a file size limit) costs log lines, never the station: said once, and
// the first line that reaches the file again says how many were lost.
TEST_F(HostileInputTest, AFullLogDiskIsSaidOnceAndTheStationGoesOnServing) {
  const rlim_t limit = 8192;
  StartPrepared([limit] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit size{limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &size);
  });
  for (int n = 1; LogFile().size() < static_cast<qsizetype>(limit) && n < 200; ++n) {
    process_.write("K" + QByteArray::number(n) + "ABC>APRS::N0CALL-10:?WX{" +
                   QByteArray::number(n) + "\n");
    ASSERT_TRUE(Shows(sent_, ":ack" + QByteArray::number(n) + "\n"));
  }
  const QByteArray said = "Can not write BRV log file '" + tmpDir_.toUtf8() +
                          "/BRV.log'. Error 27 File too large ; the station goes on and tries it "
                          "again with each line\n";
  ASSERT_TRUE(Shows(error_, said));
  process_.write("LATE>APRS::N0CALL-10:?WX{1\n");
  ASSERT_TRUE(Shows(sent_, "::LATE     :ack1\n"));
  EXPECT_EQ(error_.count(said), 1);
  QFile(tmpDir_ + "/BRV.log").resize(0);
  process_.write("BACK>APRS::N0CALL-10:?WX{1\n");
  ASSERT_TRUE(Shows(sent_, "::BACK     :ack1\n"));
  EXPECT_TRUE(Until([&] { return LogFile().contains("' written again; "); }));
  process_.terminate();
  ExpectOrderlyEnd(2000);
}

// A reader of standard output that stops reading costs the oldest frames, said once, and holds
// nothing up: the station reads all its input, and follows SIGTERM at once.
TEST_F(HostileInputTest, AReaderThatStopsReadingHoldsNothingUp) {
  int output[2];
  ASSERT_EQ(::pipe2(output, O_CLOEXEC | O_NONBLOCK), 0);
  ::fcntl(output[1], F_SETPIPE_SZ, 4096);
  StartPrepared([output] { ::dup2(output[1], STDOUT_FILENO); });
  const auto burst = [&](const QByteArray& last) {
    QByteArray lines;
    for (int n = 1; n <= 1000; ++n)
      lines += "K1ABC>APRS::N0CALL-10:hi{" + QByteArray::number(n) + "\n";
    process_.write(lines + last + ">APRS::N0CALL-10:?WX{1\n");
    EXPECT_TRUE(Shows(error_, " from [" + last + "]\n"));
  };
  burst("LAST");
  EXPECT_EQ(error_.count("stdio: standard output is not read; the oldest frames are dropped (at "
                         "most 200 wait)\n"),
            1);
  // Read again, the output brings the first frames whole, then the newest that waited.
  QByteArray read;
  char buffer[4096];
  const QRegularExpression caughtUp("read again; (\\d+) frames were dropped\n");
  ASSERT_TRUE(Until([&] {
    for (ssize_t n; (n = ::read(output[0], buffer, sizeof buffer)) > 0;) read.append(buffer, n);
    return caughtUp.match(error_).hasMatch();
  }));
  const QList<QByteArray> lines = read.split('\n');
  // 1000 acks, the ack of LAST, its answer and the object of its topic.
  EXPECT_EQ(lines.size() - 1 + caughtUp.match(error_).captured(1).toInt(), 1003);
  const QByteArray to = "N0CALL-10>APZBRV,WIDE1-1,WIDE2-1::";
  EXPECT_EQ(lines.first(), to + "K1ABC    :ack1");
  EXPECT_EQ(lines.mid(lines.size() - 5, 3).join('|').toStdString(),
            (to + "K1ABC    :ack1000|" + to + "LAST     :ack1|" + to + "LAST     :Sunny{1")
                .toStdString());
  burst("AGAIN");
  process_.terminate();
  ExpectOrderlyEnd(2000);
  for (const int fd : output) ::close(fd);
}

// A standard output whose reader has gone, or that was never open (no file opened later takes
// its place), is said once and ends the link as the end of its input would.
TEST_F(HostileInputTest, AClosedStandardOutputEndsTheLinkInOrder) {
  int output[2];
  ASSERT_EQ(::pipe2(output, O_CLOEXEC), 0);
  ::close(output[0]);
  for (const QByteArray why : {"Broken pipe", "Bad file descriptor"}) {
    error_.clear();
    StartPrepared([output, why] {
      if (why == "Broken pipe") ::dup2(output[1], STDOUT_FILENO);
      if (why != "Broken pipe") ::close(STDOUT_FILENO);
    });
    process_.write("K1ABC>APRS::N0CALL-10:hi{1\n");
    ExpectOrderlyEnd();
    EXPECT_EQ(error_.count("stdio: standard output is closed (" + why +
                           "); frames are no longer written\n"),
              1);
  }
  ::close(output[1]);
}

// A sender's escape sequences (retitle, clear, colour) arrive as visible text, on the terminal
// and in the log; the air gets its ack unchanged.
TEST_F(HostileInputTest, ControlBytesFromASenderArriveAsVisibleText) {
  StartPrepared([] {}, {"--echo"});
  process_.write("K1ABC-7>APRS::N0CALL-10:?\x1b]0;PWNED\x07\x1b[2J\x1b[31mFAKE ALERT{1\n");
  ASSERT_TRUE(Shows(sent_, "::K1ABC-7  :ack1\n"));
  const QByteArray shown = "<0x1b>]0;PWNED<0x07><0x1b>[2J<0x1b>[31mFAKE ALERT";
  ASSERT_TRUE(Shows(error_, " message = [?" + shown + "]\n"));
  process_.terminate();
  ExpectOrderlyEnd(2000);
  EXPECT_TRUE(LogFile().contains(" message = [?" + shown + "]\r\n"));
  EXPECT_TRUE(error_.contains(" K1ABC-7>APRS <UI>\n:N0CALL-10:?" + shown + "{1\n")) << "the echo";
  for (const QByteArray& output : {error_, LogFile()}) {
    EXPECT_FALSE(output.contains('\x1b') || output.contains('\x07'));
  }
}

// An APRS-IS server that pours out position reports faster than the station takes them: the
// station sheds them, counts and says so, and still answers a query sent after them.
TEST_F(HostileInputTest, AFloodOverAprsIsIsShedAndAQueryAfterItIsAnswered) {
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  Start(QString("aprsis://127.0.0.1:%1").arg(server.serverPort()));
  ASSERT_TRUE(Until([&] { return server.hasPendingConnections(); }));
  QTcpSocket* peer = server.nextPendingConnection();
  QByteArray back;
  QObject::connect(peer, &QTcpSocket::readyRead, [&] { back += peer->readAll(); });
  QByteArray flood = "# logresp N0CALL-10 verified, server TEST\r\n";
  for (int n = 0; n < 60000; ++n) {
    flood += "P" + QByteArray::number(n) + ">APRS,TCPIP*:!4903.50N/07201.75W-\r\n";
  }
  peer->write(flood + "K1ABC>APRS,TCPIP*::N0CALL-10:?WX{1\r\n");
  ASSERT_TRUE(Until([&] { return back.contains(":K1ABC    :Sunny{"); }, 30000))
      << error_.right(500).toStdString();
  EXPECT_EQ(error_.count("Frames come faster than the station takes them: position reports and "
                         "traffic between other stations are shed while the link is behind\n"),
            1);
  Signal(SIGUSR2);
  EXPECT_TRUE(Until([&] {
    return error_.contains(" | frames heard: 60001 | replies sent: 1 | dropped: 0 | shed: ");
  }));
  process_.terminate();
  ExpectOrderlyEnd(2000);
}

}  // namespace
}  // namespace brevio::test
