#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace brevio::test {

// The binary run headless as the station N0CALL-10, in a station of the test's making: host
// folder, program folder (topic ?WX answered "Sunny"), temporary folder and user settings of its
// own. Frames it transmits on the stdio link are the lines of its standard output.
class StationProcessTest : public ::testing::Test {
 protected:
  StationProcessTest() : tmpDir_(tmp_.path()) {
    Write(host_.path() + "/uiview32.ini",
          "[STATION]\r\nCALLSIGN=N0CALL-10\r\nLATITUDE=4903.50N\r\nLONGITUDE=07201.75W\r\n"
          "[MESSAGES]\r\nREMOTE_COMMANDS=2\r\nDEFAULT_PORT=1\r\n");
    Write(host_.path() + "/overlays/brv.pos", "WX!4905.20N/07158.30W_\r\n");
    Write(host_.path() + "/brevio-message-number.txt", "0\n");
    Write(program_.path() + "/brv.txt", "?WX\r\n>Sunny\r\n");
  }

  ~StationProcessTest() override {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished(5000);
    }
  }

  static void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  // Starts the binary on the link `tnc`, with `extraEnvironment` on top of the test's own.
  void Start(const QString& tnc = "stdio", const QProcessEnvironment& extraEnvironment = {}) {
    StartWith(QStringList{"--headless", "--tnc", tnc} + Folders(), extraEnvironment);
  }

  // Starts the binary with `arguments` alone, on a machine without a display.
  void StartWith(const QStringList& arguments, const QProcessEnvironment& extraEnvironment = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    env.insert("TMPDIR", tmpDir_);
    env.insert("XDG_CONFIG_HOME", config_.path());
    env.insert(extraEnvironment);
    process_.setProcessEnvironment(env);
    process_.start(BREVIO_BINARY, arguments);
    ASSERT_TRUE(process_.waitForStarted());
  }

  QStringList Folders() const {
    return {"--host-folder", host_.path(), "--program-folder", program_.path()};
  }

  // Runs the binary with `arguments` to its end; gives its exit status.
  int RunToEnd(const QStringList& arguments) {
    StartWith(arguments);
    EXPECT_TRUE(process_.waitForFinished(20000)) << arguments.join(' ').toStdString();
    ReadSome(0);
    EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
    return process_.exitCode();
  }

  // Ends the running binary as SIGTERM does; gives its exit status.
  int Terminate() {
    EXPECT_EQ(process_.state(), QProcess::Running) << error_.toStdString();
    process_.terminate();
    EXPECT_TRUE(process_.waitForFinished(10000));
    ReadSome(0);
    return process_.exitCode();
  }

  // Takes in the process's output until `done` holds, or for `ms`; gives `done`.
  template <typename Done>
  bool OutputUntil(Done done, int ms = 10000) {
    for (int i = 0; i < ms / 100 && !done(); ++i) ReadSome();
    return done();
  }

  // The lines on standard output once there are `count` of them, or after ten seconds.
  QStringList SentLines(int count) {
    for (int i = 0; i < 100 && sent_.count('\n') < count; ++i) ReadSome();
    return QString::fromLatin1(sent_).split('\n', Qt::SkipEmptyParts);
  }

  // Standard output until it holds `text`, or after `ms`.
  bool SentShows(const QByteArray& text, int ms = 10000) {
    return OutputUntil([&] { return sent_.contains(text); }, ms);
  }

  // Standard error until it holds `text`, or after `ms`.
  bool ErrorShows(const QByteArray& text, int ms = 10000) {
    return OutputUntil([&] { return error_.contains(text); }, ms);
  }

  // Takes in what the process writes for `ms`, so that it never waits on a full pipe.
  void Drain(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (process_.state() == QProcess::Running && clock.elapsed() < ms) {
      ReadSome(static_cast<int>(ms - clock.elapsed()));
    }
  }

  // A number of the process's /proc status, such as "VmRSS" (kB) or "voluntary_ctxt_switches";
  // -1 when there is none.
  long ProcStatus(const QByteArray& key) const {
    QFile status(QString("/proc/%1/status").arg(process_.processId()));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
      if (line.startsWith(key + ':'))
        return line.mid(key.size() + 1).trimmed().split(' ')[0].toLong();
    }
    return -1;
  }

  QByteArray LogFile() const {
    QFile log(tmp_.path() + "/BRV.log");
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
  }

  QTemporaryDir tmp_;
  QTemporaryDir config_;
  QTemporaryDir host_;
  QTemporaryDir program_;
  // The process's TMPDIR: the test's temporary folder unless a test names another.
  QString tmpDir_;
  QProcess process_;
  QByteArray sent_;
  QByteArray error_;

 private:
  // Waits at most `ms` for output and takes in what there is.
  void ReadSome(int ms = 100) {
    process_.waitForReadyRead(ms);
    sent_ += process_.readAllStandardOutput();
    error_ += process_.readAllStandardError();
  }
};

}  // namespace brevio::test
