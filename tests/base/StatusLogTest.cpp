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
  logFile.failWith = SystemError{13, "Permission denied"};
  EXPECT_THROW(log.LogStatus("first"), ProgramEnded);
  EXPECT_EQ(CriticalText(),
            "Can not open BRV log file '/tmp/brevio-test/BRV.log'.\r\nError 13 Permission denied ");
  EXPECT_EQ(end.ends, 1);
  // The box got its line before the file was tried; the file got nothing.
  EXPECT_THAT(StatusLines(), ElementsAre("first"));
  EXPECT_TRUE(logFile.files.empty());
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
