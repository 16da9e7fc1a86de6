#pragma once

#include <sys/prctl.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace brevio::test {

// Makes the children of `process` die with the test, however the test ends.
inline void EndWithTheTest(QProcess& process) {
  process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

// A loopback port that nothing listens on now, for a peer to be started on.
inline quint16 FreeLoopbackPort() {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost);
  return server.serverPort();
}

// Runs events until `done` holds or `ms` have passed; returns `done`.
template <typename Done>
bool WaitFor(Done done, int ms = 10000) {
  return QTest::qWaitFor(done, ms);
}

// The real binary run headless as the station N0CALL-10 (remote topics for anyone) in folders
// of the test's making: its host folder, program folder (the topic ?WX answers "Sunny" and
// places the object WX0), temporary folder and user settings. Ending the test ends the binary.
class TestStation {
 public:
  TestStation() {
    Write(host_.path() + "/uiview32.ini",
          "[STATION]\r\nCALLSIGN=N0CALL-10\r\nLATITUDE=4903.50N\r\nLONGITUDE=07201.75W\r\n"
          "[MESSAGES]\r\nREMOTE_COMMANDS=2\r\nDEFAULT_PORT=1\r\n");
    Write(host_.path() + "/overlays/brv.pos", "WX!4905.20N/07158.30W_\r\n");
    Write(program_.path() + "/brv.txt", "?WX\r\n>Sunny\r\n");
    QObject::connect(&process_, &QProcess::readyReadStandardError, &process_,
                     [this] { error += process_.readAllStandardError(); });
  }

  void Start(const QString& tnc) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("TMPDIR", tmp_.path());
    env.insert("XDG_CONFIG_HOME", config_.path());
    process_.setProcessEnvironment(env);
    EndWithTheTest(process_);
    process_.start(BREVIO_BINARY, {"--headless", "--tnc", tnc, "--host-folder", host_.path(),
                                   "--program-folder", program_.path()});
  }

  // Waits for standard error to hold `text`.
  bool Said(const QByteArray& text) {
    return WaitFor([&] { return error.contains(text); });
  }

  // Ends the server as SIGTERM does, through its orderly unload; returns its exit status.
  int Terminate() {
    process_.terminate();
    if (!process_.waitForFinished(10000)) return -1;
    error += process_.readAllStandardError();
    return process_.exitCode();
  }

  QByteArray LogFile() const {
    QFile log(tmp_.path() + "/BRV.log");
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
  }

  // What the server has said on standard error so far.
  QByteArray error;

 private:
  static void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  }

  QTemporaryDir tmp_;
  QTemporaryDir config_;
  QTemporaryDir host_;
  QTemporaryDir program_;
  QProcess process_;
};

}  // namespace brevio::test
