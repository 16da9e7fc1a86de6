#include <gtest/gtest.h>

#include <QLockFile>
#include <tuple>

#include "e2e/StationProcess.h"

namespace brevio::test {
namespace {

using HeadlessTest = StationProcessTest;

// Runs that end before the server serves say why, on standard output (">") or error, with
// their exit status; only the one that got as far as a status line wrote a log file. A second
// instance is refused before its first status line.
TEST_F(HeadlessTest, RunsThatEndAtOnceSayWhyWithTheirExitStatus) {
  // No help document in the program folder given: the message names the one beside the program.
  const QByteArray callsign = "(" + QFileInfo(BREVIO_BINARY).absolutePath().toLocal8Bit() +
                              "/brevio.html) on this :\n\nError getting station callsign from "
                              "UIView32.INI\n";
  const std::tuple<QStringList, int, QByteArray> runs[] = {
      {{"--version"}, 0, ">" + kTitle + "\n"},
      {{"--help"}, 0, ">without --tnc: kiss://127.0.0.1:8001, where Direwolf listens"},
      {{"--frobnicate"}, 2, "unknown argument '--frobnicate'"},
      {{"--headless", "--tnc", "kiss://127.0.0.1"},
       2,
       "option '--tnc' needs a link: stdio, kiss://HOST:PORT, aprsis://HOST:PORT or "
       "serial:PATH[@BAUD], not 'kiss://127.0.0.1'"},
      {{"--headless", "--tnc", "serial:" + tmp_.path()},
       2,
       "brevio: option '--tnc' needs a serial device such as /dev/ttyUSB0, and '" +
           tmp_.path().toUtf8() + "' is a folder\n"},
      {{"--headless", "--program-folder", program_.path()}, 1, callsign},
      {QStringList{"--headless"} + Folders(), 1,
       "Another instance of this program is already running"},
  };
  QLockFile running(tmp_.path() + "/BRV.lock");
  for (const auto& [arguments, status, text] : runs) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    sent_.clear();
    error_.clear();
    QFile::remove(tmp_.path() + "/BRV.log");
    if (text.startsWith("Another")) {
      ASSERT_TRUE(running.tryLock());
    }
    EXPECT_EQ(RunToEnd(arguments), status) << error_.toStdString();
    const bool out = text.startsWith('>');
    EXPECT_TRUE((out ? sent_ : error_).contains(out ? text.mid(1) : text)) << error_.toStdString();
    EXPECT_EQ(QFile::exists(tmp_.path() + "/BRV.log"), text == callsign);
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
  EXPECT_TRUE(Until([&] { return process_.state() == QProcess::NotRunning; }));
  EXPECT_EQ(process_.exitCode(), 0) << error_.toStdString();
  EXPECT_TRUE(LogFile().endsWith(" end of " + kTitle + "\r\n"));
  EXPECT_EQ(sent_, QByteArray());  // kept for transmitted frames
}

// A log file that cannot be opened, in ways that stop root as well as anyone else: the
// program ends with the critical message and status 1.
TEST_F(HeadlessTest, ALogFileThatCannotBeOpenedEndsTheProgram) {
  QDir(tmp_.path()).mkdir("BRV.log");
  Write(tmp_.path() + "/file", "");
  process_.setWorkingDirectory(tmp_.path());
  const QByteArray tmp = tmp_.path().toLocal8Bit();
  const std::tuple<QString, QByteArray, QByteArray> faults[] = {
      {tmp_.path(), tmp + "/BRV.log", "Error 21 Is a directory "},
      {tmp_.path() + "/file", tmp + "/file/BRV.log", "Error 20 Not a directory "},
      // A temporary folder that does not exist leaves the log in the working folder.
      {tmp_.path() + "/missing/tmp", "BRV.log", "Error 21 Is a directory "},
  };
  for (const auto& [tmpDir, logPath, error] : faults) {
    tmpDir_ = tmpDir;
    error_.clear();
    EXPECT_EQ(RunToEnd(QStringList{"--headless", "--tnc", "stdio"} + Folders()), 1)
        << logPath.toStdString();
    EXPECT_TRUE(error_.contains("--- critical: " + kTitle + " Error message ---\n") &&
                error_.contains("Can not open BRV log file '" + logPath + "'.\n" + error + "\n") &&
                error_.contains("The program will be stopped\n---\n"))
        << error_.toStdString();
  }
}

}  // namespace
}  // namespace brevio::test
