#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "e2e/StationProcess.h"

namespace {

using brevio::test::StationProcessTest;

// A log file that cannot be opened, in ways that stop root as well as anyone else.
struct LogFault {
  const char* name;
  // Prepares the fault in the test's temporary folder `tmp`; returns TMPDIR for the process.
  QString (*prepare)(const QString& tmp);
  // The log file's path as the message names it, relative to `tmp`; empty for "BRV.log" alone.
  const char* logPath;
  const char* error;
};

void PrintTo(const LogFault& fault, std::ostream* out) {
  *out << fault.name;
}

const LogFault kFaults[] = {
    {"LogFileIsAFolder",
     [](const QString& tmp) {
       QDir(tmp).mkdir("BRV.log");
       return tmp;
     },
     "/BRV.log", "Error 21 Is a directory "},
    {"TemporaryFolderIsAFile",
     [](const QString& tmp) {
       QFile file(tmp + "/file");
       file.open(QIODevice::WriteOnly);
       return tmp + "/file";
     },
     "/file/BRV.log", "Error 20 Not a directory "},
    // A temporary folder that does not exist leaves the log in the working folder.
    {"NoTemporaryFolderAndLogFileInWorkingFolderIsAFolder",
     [](const QString& tmp) {
       QDir(tmp).mkdir("BRV.log");
       return tmp + "/missing/tmp";
     },
     "", "Error 21 Is a directory "},
};

class LogFileFaultTest : public StationProcessTest,
                         public ::testing::WithParamInterface<LogFault> {};

TEST_P(LogFileFaultTest, EndsWithTheCriticalMessageAndStatus1) {
  const LogFault& fault = GetParam();
  tmpDir_ = fault.prepare(tmp_.path());
  process_.setWorkingDirectory(tmp_.path());
  Start();
  ASSERT_TRUE(process_.waitForFinished(20000));
  Drain(0);
  error_ += process_.readAllStandardError();
  EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process_.exitCode(), 1);
  const QByteArray path = *fault.logPath ? tmp_.path().toLocal8Bit() + fault.logPath : "BRV.log";
  EXPECT_TRUE(error_.contains("--- critical: UI-View32 add-on Brevio Server V1.0.0 Error message"))
      << error_.toStdString();
  EXPECT_TRUE(error_.contains("Can not open BRV log file '" + path + "'.\n" + fault.error + "\n"))
      << error_.toStdString();
  EXPECT_TRUE(error_.contains("The program will be stopped\n")) << error_.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Faults, LogFileFaultTest, ::testing::ValuesIn(kFaults),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
