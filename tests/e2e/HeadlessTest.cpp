#include <gtest/gtest.h>

#include <QDir>
#include <QLockFile>

#include "e2e/StationProcess.h"

namespace brevio::test {
namespace {

using HeadlessTest = StationProcessTest;

const QByteArray kTitle = "UI-View32 add-on Brevio Server V1.0.0";

// Runs that end before the server serves: what they print, where, with which status, and
// whether they wrote a log file.
TEST_F(HeadlessTest, RunsThatEndAtOnceSayWhyWithTheirExitStatus) {
  struct Run {
    QStringList arguments;
    int status;
    bool onStandardOutput;
    QByteArray text;
    bool logs;
  };
  const QByteArray helpDocument = "(" + program_.path().toLocal8Bit() + "/brevio.html)";
  const Run runs[] = {
      {{"--version"}, 0, true, kTitle + "\n", false},
      {{"--help"}, 0, true, "without --tnc: kiss://127.0.0.1:8001, where Direwolf listens", false},
      {{"--frobnicate"}, 2, false, "unknown argument '--frobnicate'", false},
      {{"--headless", "--tnc", "kiss://127.0.0.1"},
       2,
       false,
       "option '--tnc' needs a link: stdio, kiss://HOST:PORT or aprsis://HOST:PORT, not "
       "'kiss://127.0.0.1'",
       false},
      // Without a host folder there is no station call; the message names the help document.
      {{"--headless", "--program-folder", program_.path()},
       1,
       false,
       helpDocument + " on this :\n\nError getting station callsign from UIView32.INI\n",
       true},
  };
  for (const Run& run : runs) {
    SCOPED_TRACE(run.arguments.join(' ').toStdString());
    sent_.clear();
    error_.clear();
    QFile::remove(tmp_.path() + "/BRV.log");
    EXPECT_EQ(RunToEnd(run.arguments), run.status) << error_.toStdString();
    EXPECT_TRUE((run.onStandardOutput ? sent_ : error_).contains(run.text))
        << sent_.toStdString() << error_.toStdString();
    EXPECT_EQ(QFile::exists(tmp_.path() + "/BRV.log"), run.logs);
  }

  // A second instance is refused before it writes its first status line.
  QLockFile running(tmp_.path() + "/BRV.lock");
  ASSERT_TRUE(running.tryLock());
  QFile::remove(tmp_.path() + "/BRV.log");
  EXPECT_EQ(RunToEnd(QStringList{"--headless"} + Folders()), 1);
  EXPECT_TRUE(error_.contains("Another instance of this program is already running"));
  EXPECT_FALSE(QFile::exists(tmp_.path() + "/BRV.log"));
}

TEST_F(HeadlessTest, WithoutOptionsTakesTheStoredHostFolderAndDirewolfsKissPort) {
  Write(config_.path() + "/Peak Systems/UI-View32.ini",
        "[General]\nProgram%20Folder=" + host_.path().toUtf8() + "\n");
  StartWith({"--headless", "--program-folder", program_.path()});
  // Once start-up has ended, the link connects or tries again a second after its first try.
  ASSERT_TRUE(OutputUntil([&] {
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
  EXPECT_EQ(Terminate(), 0) << error_.toStdString();
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
  const struct {
    QString tmpDir;
    QByteArray logPath;
    QByteArray error;
  } faults[] = {
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
