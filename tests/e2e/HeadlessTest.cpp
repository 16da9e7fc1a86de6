#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The binary started headless on a machine without a display, its temporary folder its own.
class HeadlessTest : public ::testing::Test {
 protected:
  void Start(const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("TMPDIR", tmp_.path());
    process_.setProcessEnvironment(env);
    process_.start(BREVIO_BINARY, arguments);
    ASSERT_TRUE(process_.waitForStarted());
  }

  // Standard error until it holds `text` or ten seconds have passed.
  QString WaitForError(const QString& text) {
    for (int i = 0; i < 100 && !error_.contains(text); ++i) {
      process_.waitForReadyRead(100);
      error_ += QString::fromLocal8Bit(process_.readAllStandardError());
    }
    return error_;
  }

  QTemporaryDir tmp_;
  QProcess process_;
  QString error_;
};

TEST_F(HeadlessTest, RunsWithoutADisplayAndLogsItsStart) {
  Start({"--headless"});
  EXPECT_TRUE(WaitForError("start of UI-View32 add-on Brevio Server V").contains("start of"));
  QFile log(tmp_.path() + "/BRV.log");
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_TRUE(log.readAll().endsWith(" start of UI-View32 add-on Brevio Server V1.0.0\r\n"));
  EXPECT_EQ(process_.readAllStandardOutput(), QByteArray());  // kept for transmitted frames
  process_.kill();
  process_.waitForFinished();
}

TEST_F(HeadlessTest, VersionAndHelpAnswerWithoutStarting) {
  Start({"--version"});
  ASSERT_TRUE(process_.waitForFinished());
  EXPECT_EQ(process_.exitCode(), 0);
  EXPECT_TRUE(process_.readAllStandardOutput().startsWith("UI-View32 add-on Brevio Server V"));

  Start({"--help"});
  ASSERT_TRUE(process_.waitForFinished());
  EXPECT_EQ(process_.exitCode(), 0);
  EXPECT_TRUE(process_.readAllStandardOutput().contains("--headless"));
  EXPECT_FALSE(QFile::exists(tmp_.path() + "/BRV.log"));
}

TEST_F(HeadlessTest, UnknownArgumentExitsWithStatus2) {
  Start({"--frobnicate"});
  ASSERT_TRUE(process_.waitForFinished());
  EXPECT_EQ(process_.exitCode(), 2);
  EXPECT_TRUE(process_.readAllStandardError().contains("unknown argument '--frobnicate'"));
}

}  // namespace
