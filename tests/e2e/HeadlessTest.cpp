#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/PeImageBuilder.h"

namespace {

using brevio::test::PeImageBuilder;

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

  QStringList Folders() const {
    return {"--host-folder", host_.path(), "--program-folder", program_.path()};
  }

  static void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  // A host of version a.b (as UI-View32 numbers it), its settings and the definition files.
  void InstallHost(std::uint16_t a, std::uint16_t b, std::uint16_t d) {
    PeImageBuilder exe;
    exe.a = a;
    exe.b = b;
    exe.d = d;
    const std::string image = exe.Build();
    Write(host_.path() + "/uiview32.exe", QByteArray(image.data(), std::ssize(image)));
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

TEST_F(HeadlessTest, StartsUpToTheHostWithoutADisplay) {
  InstallHost(2, 0, 3);
  EXPECT_EQ(Run(Folders()), 1);
  EXPECT_TRUE(Said(" start of UI-View32 add-on Brevio Server V1.0.0\n")) << error_;
  EXPECT_TRUE(LogFile().contains(" start of UI-View32 add-on Brevio Server V1.0.0\r\n"));
  // No host link is built in yet, so start-up ends where it connects to the host.
  EXPECT_TRUE(Said("Unable to connect to UIView32 (")) << error_;
  EXPECT_EQ(process_.readAllStandardOutput(), QByteArray());  // kept for transmitted frames
}

TEST_F(HeadlessTest, RefusesAHostOfAnUnsupportedVersionFoundThroughTheStoredFolder) {
  InstallHost(1, 9, 8);
  Write(config_.path() + "/Peak Systems/UI-View32.ini",
        "[General]\nProgram%20Folder=" + host_.path().toUtf8() + "\n");
  EXPECT_EQ(Run({"--program-folder", program_.path()}), 1);
  EXPECT_TRUE(Said("--- critical: UI-View32 add-on Brevio Server V1.0.0 Error message")) << error_;
  EXPECT_TRUE(
      Said("Your current version of uiview32 (1.98) is invalid for this "
           "add-on, minimum version 1.99, maximum version 2.99 is required"))
      << error_;
  EXPECT_FALSE(Said("start of"));
  EXPECT_EQ(LogFile(), QByteArray());
}

TEST_F(HeadlessTest, WithoutAHostEndsWithTheMissingExecutableMessage) {
  EXPECT_EQ(Run({"--program-folder", program_.path()}), 1);
  EXPECT_TRUE(Said("Unable to locate UIVIEW32.EXE, install this add-on in the UIView32 directory"))
      << error_;
  EXPECT_TRUE(Said("(" + program_.path().toStdString() + "/brevio.html)")) << error_;
}

TEST_F(HeadlessTest, ASecondInstanceEndsWithItsMessage) {
  InstallHost(2, 0, 3);
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
  EXPECT_TRUE(process_.readAllStandardOutput().contains("--host-folder DIR"));
  EXPECT_FALSE(QFile::exists(tmp_.path() + "/BRV.log"));
}

TEST_F(HeadlessTest, UnknownArgumentExitsWithStatus2) {
  Start({"--frobnicate"});
  ASSERT_TRUE(process_.waitForFinished());
  EXPECT_EQ(process_.exitCode(), 2);
  EXPECT_TRUE(process_.readAllStandardError().contains("unknown argument '--frobnicate'"));
}

}  // namespace
