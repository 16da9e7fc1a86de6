// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLockFile>
#include <QTcpServer>
#include <tuple>

#include "e2e/StationProcess.h"

namespace brevio::test {
namespace {

using HeadlessTest = StationProcessTest;

// Runs that end before the server serves say why, on standard output (">") or error, with their
// exit status; only the one that got as far as a status line wrote a log file. A second instance
// is refused before its first status line. A log file that cannot be opened, in ways that stop
// root as well as anyone else, ends the program.
TEST_F(HeadlessTest, RunsThatEndAtOnceSayWhyWithTheirExitStatus) {
  // No help document in the program folder given: the message names the one beside the program.
  const auto critical = [](const QByteArray& text) {
    return "--- critical: " + kTitle +
           " Error message ---\nThe following critical error has ocurred, you may want to read "
           "the online help file (" +
           QFileInfo(ProgramPath()).absolutePath().toLocal8Bit() + "/brevio.html) on this :\n\n" +
           text + "\n\nThe program will be stopped\n---\n";
  };
  const auto log = [&](const QString& path, const QByteArray& error) {
    return critical("Can not open BRV log file '" + path.toLocal8Bit() + "'.\n" + error);
  };
  const QString tmp = tmp_.path();
  QDir().mkpath(tmp + "/dir/BRV.log");
  Write(tmp + "/file", "");
  process_.setWorkingDirectory(tmp + "/dir");  // where the log goes without a temporary folder
  const QStringList stdio = QStringList{"--headless", "--tnc", "stdio"} + Folders();
  const std::tuple<QString, QStringList, int, QByteArray> runs[] = {
      {tmp, {"--version"}, 0, ">" + kTitle + "\n"},
      {tmp, {"--help"}, 0, ">without --tnc: kiss://127.0.0.1:8001, where Direwolf listens"},
      {tmp,
       {"--headless", "--tnc", "serial:" + tmp},
       2,
       "brevio: option '--tnc' needs a serial device such as /dev/ttyUSB0, and '" + tmp.toUtf8() +
           "' is a folder\n"},
      {tmp,
       {"--headless", "--program-folder", program_.path()},
       1,
       critical("Error getting station callsign from UIView32.INI")},
      {tmp, stdio, 1, critical("Another instance of this program is already running")},
      {tmp + "/dir", stdio, 1, log(tmp + "/dir/BRV.log", "Error 21 Is a directory ")},
      {tmp + "/file", stdio, 1, log(tmp + "/file/BRV.log", "Error 20 Not a directory ")},
      // A temporary folder that does not exist leaves the log in the working folder.
      {tmp + "/missing/tmp", stdio, 1, log("BRV.log", "Error 21 Is a directory ")},
  };
  QLockFile running(tmp + "/BRV.lock");
  for (const auto& [tmpDir, arguments, status, text] : runs) {
    SCOPED_TRACE(tmpDir.toStdString() + ": " + arguments.join(' ').toStdString());
    tmpDir_ = tmpDir;
    sent_.clear();
    error_.clear();
    QFile::remove(tmp + "/BRV.log");
    if (text.contains("Another")) {
      ASSERT_TRUE(running.tryLock());
    }
    EXPECT_EQ(RunToEnd(arguments), status) << error_.toStdString();
    const bool out = text.startsWith('>');
    EXPECT_TRUE((out ? sent_ : error_).contains(out ? text.mid(1) : text)) << error_.toStdString();
    EXPECT_EQ(QFile::exists(tmp + "/BRV.log"), text.contains("callsign"));
  }
}

TEST_F(HeadlessTest, WithoutOptionsTakesTheStoredHostFolderAndDirewolfsKissPort) {
  Write(config_.path() + "/Peak Systems/UI-View32.ini",
        "[General]\nProgram%20Folder=" + host_.path().toUtf8() + "\n");
  StartWith({"--headless", "--program-folder", program_.path()});
  // Once start-up has ended, the link connects or tries again a second after its first try.
  ASSERT_TRUE(Until([&] {
    return error_.contains("8001: connected\n") ||
           error_.contains("8001: Connection refused; next try in 2 s\n");
  })) << error_.toStdString();
  for (const QByteArray& line :
       {" start of " + kTitle + "\n", QByteArray(" -> station-id = N0CALL-10\n"),
        QByteArray(" No --tnc given: the station's TNC is kiss://127.0.0.1:8001, where Direwolf "
                   "listens by default\n"),
        QByteArray("TNC kiss://127.0.0.1:8001: connecting\n")}) {
    EXPECT_TRUE(error_.contains(line)) << line.toStdString() << error_.toStdString();
  }
  process_.terminate();
  ExpectOrderlyEnd();
  EXPECT_EQ(sent_, QByteArray());  // kept for transmitted frames
}

// A quiet station on a TNC on loopback that takes the connection (the kernel does, with nobody
// accepting) and never sends: it sleeps, yet reloads a changed topic file, and ends at once.
TEST_F(HeadlessTest, SleepsOnAQuietLinkAndStillReloadsAChangedTopicFileAndEndsAtOnce) {
  QTcpServer tnc;
  tnc.listen(QHostAddress::LocalHost);
  Start(QString("kiss://127.0.0.1:%1").arg(tnc.serverPort()));
  ASSERT_TRUE(Shows(error_, ": connected"));
  ExpectSleepsWhileQuiet();
  Write(program_.path() + "/brv.txt", "?WX\r\n>Rain and wind\r\n");
  EXPECT_TRUE(Shows(error_, "File BRV.TXT has changed, reloading definition files. ", 2000));
  process_.terminate();
  ExpectOrderlyEnd(2000);
}

}  // namespace
}  // namespace brevio::test
