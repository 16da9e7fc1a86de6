// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <sys/prctl.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace brevio::test {

inline const QByteArray kTitle = "UI-View32 add-on Brevio Server V1.0.0";

// The program under test: this build's brevio, or the one BREVIO_E2E_PROGRAM names (an arm64
// build, say), run through the command in BREVIO_E2E_LAUNCHER when set ("qemu-aarch64-static -L
// /").
inline QString ProgramPath() {
  const QString other = qEnvironmentVariable("BREVIO_E2E_PROGRAM");
  return other.isEmpty() ? QString(BREVIO_BINARY) : other;
}

inline void StartProgram(QProcess& process, const QStringList& arguments) {
  QStringList launcher = qEnvironmentVariable("BREVIO_E2E_LAUNCHER").split(' ', Qt::SkipEmptyParts);
  if (launcher.isEmpty()) return process.start(ProgramPath(), arguments);
  const QString command = launcher.takeFirst();
  process.start(command, launcher + QStringList{ProgramPath()} + arguments);
}

// Makes `process` die with the test, however the test ends.
inline void EndWithTheTest(QProcess& process) {
  process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

// The binary run headless as the station N0CALL-10 without its beacon, with host and program
// folders (topic ?WX answered "Sunny"), temporary folder and user settings of its own. What it
// transmits on the stdio link are the lines of its standard output; both outputs are taken in while
// the test waits, so that the process never blocks on a full pipe.
class StationProcessTest : public ::testing::Test {
 protected:
  StationProcessTest() : tmpDir_(tmp_.path()) {
    Write(host_.path() + "/uiview32.ini",
          "[STATION]\r\nCALLSIGN=N0CALL-10\r\nLATITUDE=4903.50N\r\nLONGITUDE=07201.75W\r\n"
          "[MESSAGES]\r\nREMOTE_COMMANDS=2\r\nDEFAULT_PORT=1\r\n[BREVIO]\r\nBEACON=0\r\n");
    Write(host_.path() + "/overlays/brv.pos", "WX!4905.20N/07158.30W_\r\n");
    Write(host_.path() + "/brevio-message-number.txt", "0\n");
    Write(program_.path() + "/brv.txt", "?WX\r\n>Sunny\r\n");
    EndWithTheTest(process_);
    QObject::connect(&process_, &QProcess::readyReadStandardOutput,
                     [this] { sent_ += process_.readAllStandardOutput(); });
    QObject::connect(&process_, &QProcess::readyReadStandardError,
                     [this] { error_ += process_.readAllStandardError(); });
  }

  static void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QStringList Folders() const {
    return {"--host-folder", host_.path(), "--program-folder", program_.path()};
  }

  void Start(const QString& tnc = "stdio") {
    StartWith(QStringList{"--headless", "--tnc", tnc} + Folders());
  }

  // Starts the binary with `arguments` alone, on a machine without a display.
  void StartWith(const QStringList& arguments, const QProcessEnvironment& extraEnvironment = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    env.insert("TMPDIR", tmpDir_);
    env.insert("XDG_CONFIG_HOME", config_.path());
    env.insert(extraEnvironment);
    process_.setProcessEnvironment(env);
    StartProgram(process_, arguments);
    ASSERT_TRUE(process_.waitForStarted());
  }

  // Runs the binary with `arguments` to its end; gives its exit status.
  int RunToEnd(const QStringList& arguments) {
    StartWith(arguments);
    EXPECT_TRUE(Ends(20000));
    EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
    return process_.exitCode();
  }

  // Runs events, the process's output among them, until `done` holds or `ms` have passed;
  // gives `done`.
  template <typename Done>
  static bool Until(Done done, int ms = 10000) {
    return QTest::qWaitFor(done, ms);
  }

  // Whether `output` (sent_ or error_) holds `text` within `ms`.
  bool Shows(const QByteArray& output, const QByteArray& text, int ms = 10000) {
    return Until([&] { return output.contains(text); }, ms);
  }

  bool Ends(int ms = 10000) {
    return Until([&] { return process_.state() == QProcess::NotRunning; }, ms);
  }

  // The program ends within `ms` through its orderly unload, whose last line ends the log.
  void ExpectOrderlyEnd(int ms = 10000) {
    ASSERT_TRUE(Ends(ms)) << error_.toStdString();
    EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process_.exitCode(), 0) << error_.toStdString();
    EXPECT_TRUE(LogFile().endsWith(" end of " + kTitle + "\r\n"));
  }

  // Once its link's first lines settled, the process hardly wakes in 3 quiet seconds: generous,
  // so that a loaded machine does not fail it; a 100 ms poll wakes 30 times.
  void ExpectSleepsWhileQuiet() {
    QTest::qWait(500);
    const long before = ProcStatus("voluntary_ctxt_switches");
    QTest::qWait(3000);
    EXPECT_LT(ProcStatus("voluntary_ctxt_switches") - before, 6) << "wake-ups in 3 quiet seconds";
  }

  // A number of the process's /proc status, such as "VmRSS" (kB); 0 when there is none.
  long ProcStatus(const QString& key) const {
    QFile status(QString("/proc/%1/status").arg(process_.processId()));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    return QRegularExpression(key + ":\\s*(\\d+)").match(status.readAll()).captured(1).toLong();
  }

  QByteArray LogFile() const {
    QFile log(tmp_.path() + "/BRV.log");
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
  }

  QTemporaryDir tmp_;
  QTemporaryDir config_;
  QTemporaryDir host_;
  QTemporaryDir program_;
  QString tmpDir_;   // the process's TMPDIR
  QByteArray sent_;  // declared before process_, which takes its last output in as it ends
  QByteArray error_;
  QProcess process_;
};

}  // namespace brevio::test
