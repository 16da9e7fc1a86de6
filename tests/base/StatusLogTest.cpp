// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/CoreHarness.h"

namespace brevio::test {
namespace {

using ::testing::ElementsAre;

struct StatusLogTest : ::testing::Test, CoreHarness {};

TEST_F(StatusLogTest, TrimsOnlyABoxHoldingMoreThan15000Characters) {
  std::string held(15001, 'x');
  held[5001] = 'b';  // the first of the last 10000
  txtStatus.content = held;
  log.LogStatus("next");
  EXPECT_EQ(txtStatus.content, held.substr(5001) + "06.12.2026 00:00:00 next\r\n");

  txtAPRS.content = std::string(15000, 'y');
  log.LogStatus(txtAPRS, "next");
  EXPECT_EQ(txtAPRS.content, std::string(15000, 'y') + "06.12.2026 00:00:00 next\r\n");
}

// A line is the date, a blank, the time, a blank, the text and CR LF; the log file takes its
// own stamp, and lies in the current folder when there is no temporary one.
TEST_F(StatusLogTest, OnlyStatusLinesReachTheLogFileEachWithItsOwnStamp) {
  clock.tick = (10 * 3600 + 5 * 60 + 7) * 1000;
  clock.stepPerTimeRead = 1000;
  log.LogStatus(txtAPRS, "N0CALL>APRS:heard");
  log.LogStatus(txtStatus, "status line");
  log.LogStatus("another");
  logFile.tempFolder.reset();
  log.WriteLogLine("end of Brevio");
  EXPECT_EQ(txtAPRS.content, "06.12.2026 10:05:07 N0CALL>APRS:heard\r\n");
  EXPECT_EQ(txtStatus.content,
            "06.12.2026 10:05:08 status line\r\n06.12.2026 10:05:10 another\r\n");
  EXPECT_EQ(logFile.files.at("/tmp/brevio-test/BRV.log"),
            "06.12.2026 10:05:09 status line\r\n06.12.2026 10:05:11 another\r\n");
  EXPECT_EQ(logFile.files.at("BRV.log"), "06.12.2026 10:05:12 end of Brevio\r\n");
}

TEST_F(StatusLogTest, UnopenableLogFileIsCriticalAndNothingRunsAfterIt) {
  logFile.failWith = LogFileFailure{{13, "Permission denied"}};
  EXPECT_THROW(log.LogStatus("first"), ProgramEnded);
  EXPECT_EQ(CriticalText(),
            "Can not open BRV log file '/tmp/brevio-test/BRV.log'.\r\nError 13 Permission denied ");
  EXPECT_EQ(end.ends, 1);
  // The box got its line before the file was tried; the file got nothing.
  EXPECT_THAT(StatusLines(), ElementsAre("first"));
  EXPECT_TRUE(logFile.files.empty());
}

// A full disk under the log costs lines, never the station: said once, counted, and noted in
// the first line that reaches the file again. A folder that has gone is as critical as ever.
TEST_F(StatusLogTest, AFailingLogFileIsSaidOnceCountedAndNotedWhenItWorksAgain) {
  const std::string path = "/tmp/brevio-test/BRV.log";
  log.LogStatus("first");
  logFile.failWith = LogFileFailure{{28, "No space left on device"}, true};
  log.LogStatus("lost 1");
  log.LogStatus("lost 2");
  logFile.failWith = LogFileFailure{{5, "Input/output error"}, false};
  log.WriteLogLine("lost 3");
  logFile.failWith.reset();
  log.LogStatus("back");
  EXPECT_THAT(LogFileLines(), ElementsAre("first",
                                          "BRV log file '" + path +
                                              "' written again; 3 lines before "
                                              "this one were lost",
                                          "back"));
  EXPECT_THAT(StatusLines(),
              ElementsAre("first", "lost 1",
                          "Can not write BRV log file '" + path +
                              "'. Error 28 No space left on "
                              "device ; the station goes on and tries it again with each line",
                          "lost 2", "back",
                          "BRV log file '" + path +
                              "' written again; 3 "
                              "lines before this one were lost"));
  EXPECT_EQ(end.ends, 0);
  logFile.failWith = LogFileFailure{{2, "No such file or directory"}, false};
  EXPECT_THROW(log.LogStatus("gone"), ProgramEnded);
  EXPECT_EQ(CriticalText(),
            "Can not open BRV log file '" + path + "'.\r\nError 2 No such file or directory ");
}

// Bytes from a sender reach neither the terminal nor the log raw; the line ends stay.
TEST_F(StatusLogTest, ControlBytesAreWrittenVisibly) {
  log.LogStatus(std::string("\x1b]0;PWNED\x07\x1b[2J\r\n\0\x7f\ttab\rcr\nlf", 28));
  const std::string shown =
      "<0x1b>]0;PWNED<0x07><0x1b>[2J\r\n<0x00><0x7f><0x09>tab<0x0d>cr<0x0a>lf";
  EXPECT_EQ(txtStatus.content, "06.12.2026 00:00:00 " + shown + "\r\n");
  EXPECT_EQ(logFile.Log(), "06.12.2026 00:00:00 " + shown + "\r\n");
}

TEST(MessagesTest, EachKindShowsItsTitleAndBodyAndOnlyACriticalOneEndsTheProgram) {
  CoreHarness h;
  h.messages.ShowMessage(MessageKind::Informational, "Check the settings");
  h.messages.ShowPlain(MessageIcon::Critical, "BRV", "An error occurred");
  EXPECT_EQ(h.end.ends, 0);
  EXPECT_THROW(h.messages.ShowMessage(MessageKind::Critical, "Error getting station callsign"),
               ProgramEnded);
  EXPECT_EQ(h.end.ends, 1);
  EXPECT_TRUE(h.logFile.files.empty());

  const std::string title = "UI-View32 add-on Brevio Server V9.8.7";
  std::vector<std::string> shown;
  for (const auto& [icon, heading, body] : h.dialog.shown) {
    shown.push_back((icon == MessageIcon::Critical ? "! " : "i ") + heading + "|" + body);
  }
  EXPECT_THAT(shown,
              ElementsAre("i " + title + " Informational message|\r\n\r\nCheck the settings",
                          "! BRV|An error occurred",
                          "! " + title +
                              " Error message|The following critical error has ocurred, you may "
                              "want to read the online help file (/opt/brevio/brevio.html) on "
                              "this :\r\n\r\nError getting station callsign\r\n\r\nThe "
                              "program will be stopped"));
}

}  // namespace
}  // namespace brevio::test
