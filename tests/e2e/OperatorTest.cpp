// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QRegularExpression>

#include "e2e/StationProcess.h"

namespace brevio::test {
namespace {

using OperatorTest = StationProcessTest;

// Every example topic of a document: lines that are a topic or an answer, in order, and answers
// written inside a line (given a topic of their own), as a reader copies them into brv.txt.
QByteArray ExampleTopics(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QString text = QString::fromUtf8(file.readAll());
  for (const auto& [from, to] : {std::pair{"&gt;", ">"},
                                 {"&lt;", "<"},
                                 {"&quot;", "\""},
                                 {"&amp;", "&"},
                                 {"\\-", "-"},
                                 {"\\(dq", "\""}}) {
    text.replace(from, to);
  }
  QByteArray topics;
  const QRegularExpression inLine("(?:<code>|`|\\\\fB)(\"?>[^<`\\\\]*)");
  int inLineCount = 0;
  for (const QString& line : text.split('\n')) {
    const QString item = QString(line).remove(QRegularExpression("<[^>]*>")).trimmed();
    if (QRegularExpression("^\\?[A-Za-z0-9?]{1,5}$").match(item).hasMatch() ||
        item.startsWith('>') || item.startsWith("\">")) {
      topics += item.toUtf8() + "\r\n";
      continue;
    }
    for (const auto& match : inLine.globalMatch(line)) {
      topics +=
          "?E" + QByteArray::number(++inLineCount) + "\r\n" + match.captured(1).toUtf8() + "\r\n";
    }
  }
  return topics;
}

// The documents teach topics that serve as they read: checked as a start reads them, without
// a warning.
TEST_F(OperatorTest, EveryExampleTopicOfTheDocumentsPassesTheCheck) {
  for (const char* document : {"README.md", "docs/brevio.1", "docs/brevio.html"}) {
    SCOPED_TRACE(document);
    const QByteArray topics = ExampleTopics(QString(BREVIO_SOURCE) + "/" + document);
    EXPECT_GE(topics.count("\r\n>") + topics.count("\r\n\">"), 2) << topics.toStdString();
    Write(program_.path() + "/brv.txt", topics);
    sent_.clear();
    EXPECT_EQ(RunToEnd(QStringList{"--check"} + Folders()), 0) << sent_.toStdString();
    EXPECT_TRUE(
        sent_.endsWith("brevio --check: a start would serve this station, with 0 "
                       "warnings\n"))
        << topics.toStdString() << sent_.toStdString();
  }
}

// A start a second time for the same call is refused, whatever its temporary folder, and names
// the process that serves the call.
TEST_F(OperatorTest, ASecondProcessForTheSameCallIsRefused) {
  Start();
  ASSERT_TRUE(Shows(error_, "loading BRV object definitions from")) << error_.toStdString();
  const QByteArray first = error_;
  QTemporaryDir otherTmp;
  tmpDir_ = otherTmp.path();
  QProcess second;
  EndWithTheTest(second);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("TMPDIR", otherTmp.path());
  second.setProcessEnvironment(env);
  StartProgram(second, QStringList{"--headless", "--tnc", "stdio"} + Folders());
  ASSERT_TRUE(second.waitForFinished(20000));
  EXPECT_EQ(second.exitCode(), 1);
  const QByteArray user = getpwuid(getuid())->pw_name;
  EXPECT_TRUE(second.readAllStandardError().contains(
      "\n\nAnother brevio already serves N0CALL-10 on this machine (process " +
      QByteArray::number(process_.processId()) + " of user " + user +
      "): stop it first, or give this station a call of its own\n\n"));
  EXPECT_EQ(process_.state(), QProcess::Running);
  process_.terminate();
  ExpectOrderlyEnd();
}

// Runs that end at once: one line that says what to do, with their exit status.
TEST_F(OperatorTest, MistakesOnTheCommandLineSayWhatToDo) {
#ifdef BREVIO_GUI_BINARY
  // Only the window program needs a display.
  QProcess gui;
  EndWithTheTest(gui);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  gui.setProcessEnvironment(env);
  gui.start(BREVIO_GUI_BINARY, QStringList{});
  ASSERT_TRUE(gui.waitForFinished(20000));
  EXPECT_EQ(gui.exitCode(), 2);
  EXPECT_EQ(gui.readAllStandardError(),
            "brevio: no display to open a window on; run brevio --headless (or set "
            "QT_QPA_PLATFORM=offscreen)\n");
#endif
  EXPECT_EQ(RunToEnd({"--headless", "--bogus"}), 2);
  EXPECT_EQ(error_, "brevio: unknown argument '--bogus'\nbrevio --help lists the options\n");
  error_.clear();
  // The registration file lies in the host folder given, and its message carries the title.
  EXPECT_EQ(RunToEnd({"--headless", "--create-xtr", "--host-folder", host_.path()}), 0);
  EXPECT_TRUE(QFile::exists(host_.path() + "/brevio.XTR"));
  EXPECT_TRUE(error_.startsWith("--- information: " + kTitle + " Informational message ---\n"))
      << error_.toStdString();
}

}  // namespace
}  // namespace brevio::test
