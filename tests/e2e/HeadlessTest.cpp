#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <algorithm>

namespace {

// A loopback port that nothing listens on.
QString ClosedPort() {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost);
  return QString::number(server.serverPort());
}

// The binary started headless on a machine without a display, with its own temporary folder
// and its own user settings, beside a host folder and a program folder of the test's making.
class HeadlessTest : public ::testing::Test {
 protected:
  void Start(const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("TMPDIR", tmp_.path());
    env.insert("XDG_CONFIG_HOME", config_.path());
    process_.setProcessEnvironment(env);
    process_.start(BREVIO_BINARY, arguments);
    ASSERT_TRUE(process_.waitForStarted());
  }

  // Runs the binary headless to its end; returns its exit status.
  int Run(QStringList arguments) {
    arguments.prepend("--headless");
    Start(arguments);
    EXPECT_TRUE(process_.waitForFinished(20000));
    error_ = process_.readAllStandardError().toStdString();
    return process_.exitCode();
  }

  // Waits up to ten seconds for standard error to hold one of `texts`.
  bool WaitUntilSaid(std::initializer_list<std::string> texts) {
    const auto said = [&] {
      return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return Said(t); });
    };
    for (int i = 0; i < 100 && !said(); ++i) {
      process_.waitForReadyRead(100);
      error_ += process_.readAllStandardError().toStdString();
    }
    return said();
  }

  // Ends the running binary as SIGTERM does; returns its exit status.
  int Terminate() {
    EXPECT_EQ(process_.state(), QProcess::Running) << error_;
    process_.terminate();
    EXPECT_TRUE(process_.waitForFinished(10000));
    error_ += process_.readAllStandardError().toStdString();
    return process_.exitCode();
  }

  QStringList Folders() const {
    return {"--host-folder", host_.path(), "--program-folder", program_.path()};
  }

  static void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  // The host's settings and the definition files.
  void InstallHost() {
    Write(host_.path() + "/uiview32.ini",
          "[STATION]\r\nCALLSIGN=PA3XYZ\r\nLATITUDE=5212.34N\r\nLONGITUDE=00512.34E\r\n"
          "[MESSAGES]\r\nREMOTE_COMMANDS=2\r\n");
    Write(host_.path() + "/overlays/brv.pos", "WX!5212.00N/00512.00E_\r\n");
    Write(program_.path() + "/brv.txt", "?WX\r\n>Sunny\r\n");
  }

  // True when standard error holds `text`.
  bool Said(const std::string& text) const { return error_.find(text) != std::string::npos; }

  QByteArray LogFile() const {
    QFile log(tmp_.path() + "/BRV.log");
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
  }

  QTemporaryDir tmp_;
  QTemporaryDir config_;
  QTemporaryDir host_;
  QTemporaryDir program_;
  QProcess process_;
  std::string error_;
};

TEST_F(HeadlessTest, WithoutATncStartsUpAndLooksForDirewolfsKissPortUntilTerminated) {
  InstallHost();
  Start(QStringList{"--headless"} + Folders());
  // Once start-up has ended, the link connects or tries again a second after its first try.
  ASSERT_TRUE(WaitUntilSaid({"8001: connected\n", "8001: Connection refused; next try in 2 s\n"}))
      << error_;
  EXPECT_TRUE(Said("TNC kiss://127.0.0.1:8001: connecting\n")) << error_;
  EXPECT_TRUE(Said(" start of UI-View32 add-on Brevio Server V1.0.0\n")) << error_;
  EXPECT_TRUE(
      Said(" No --tnc given: the station's TNC is kiss://127.0.0.1:8001, where Direwolf "
           "listens by default\n"))
      << error_;
  EXPECT_EQ(Terminate(), 0) << error_;
  EXPECT_TRUE(LogFile().contains(" start of UI-View32 add-on Brevio Server V1.0.0\r\n"));
  EXPECT_TRUE(LogFile().endsWith(" end of UI-View32 add-on Brevio Server V1.0.0\r\n"));
  EXPECT_EQ(process_.readAllStandardOutput(), QByteArray());  // kept for transmitted frames
}

TEST_F(HeadlessTest, KeepsServingAndRetryingWhileTheTncIsMissing) {
  InstallHost();
  const std::string tnc = "TNC kiss://127.0.0.1:" + ClosedPort().toStdString();
  Start(QStringList{"--headless", "--tnc", QString::fromStdString(tnc.substr(4))} + Folders());
  ASSERT_TRUE(WaitUntilSaid({tnc + ": Connection refused; next try in 2 s\n"})) << error_;
  EXPECT_TRUE(Said(tnc + ": Connection refused; next try in 1 s\n")) << error_;
  EXPECT_EQ(Terminate(), 0) << error_;
}

TEST_F(HeadlessTest, FindsTheHostThroughTheStoredFolder) {
  InstallHost();
  Write(config_.path() + "/Peak Systems/UI-View32.ini",
        "[General]\nProgram%20Folder=" + host_.path().toUtf8() + "\n");
  Start({"--headless", "--program-folder", program_.path(), "--tnc",
         "kiss://127.0.0.1:" + ClosedPort()});
  ASSERT_TRUE(WaitUntilSaid({"; next try in 2 s\n"})) << error_;
  EXPECT_TRUE(Said(" -> station-id = PA3XYZ\n")) << error_;
  EXPECT_EQ(Terminate(), 0) << error_;
}

TEST_F(HeadlessTest, WithoutAHostFolderEndsForWantOfTheStationsCall) {
  EXPECT_EQ(Run({"--program-folder", program_.path()}), 1);
  EXPECT_TRUE(Said("Error getting station callsign from UIView32.INI")) << error_;
  EXPECT_TRUE(Said("(" + program_.path().toStdString() + "/brevio.html)")) << error_;
}

TEST_F(HeadlessTest, ASecondInstanceEndsWithItsMessage) {
  InstallHost();
  QLockFile running(tmp_.path() + "/BRV.lock");
  ASSERT_TRUE(running.tryLock());
  EXPECT_EQ(Run(Folders()), 1);
  EXPECT_TRUE(Said("Another instance of this program is already running")) << error_;
  EXPECT_FALSE(Said("start of"));
}

TEST_F(HeadlessTest, VersionAndHelpAnswerWithoutStarting) {
  Start({"--version"});
  ASSERT_TRUE(process_.waitForFinished());
  EXPECT_EQ(process_.exitCode(), 0);
  EXPECT_TRUE(process_.readAllStandardOutput().startsWith("UI-View32 add-on Brevio Server V"));

  Start({"--help"});
  ASSERT_TRUE(process_.waitForFinished());
  EXPECT_EQ(process_.exitCode(), 0);
  const QByteArray help = process_.readAllStandardOutput();
  EXPECT_TRUE(help.contains("--host-folder DIR"));
  EXPECT_TRUE(help.contains("without --tnc: kiss://127.0.0.1:8001, where Direwolf listens"));
  EXPECT_FALSE(QFile::exists(tmp_.path() + "/BRV.log"));
}

TEST_F(HeadlessTest, UnknownArgumentExitsWithStatus2) {
  Start({"--frobnicate"});
  ASSERT_TRUE(process_.waitForFinished());
  EXPECT_EQ(process_.exitCode(), 2);
  EXPECT_TRUE(process_.readAllStandardError().contains("unknown argument '--frobnicate'"));

  Start({"--headless", "--tnc", "kiss://127.0.0.1"});
  ASSERT_TRUE(process_.waitForFinished());
  EXPECT_EQ(process_.exitCode(), 2);
  EXPECT_TRUE(process_.readAllStandardError().contains(
      "option '--tnc' needs a link: stdio, kiss://HOST:PORT, aprsis://HOST:PORT or "
      "serial:PATH[@BAUD], not 'kiss://127.0.0.1'"));
}

}  // namespace
