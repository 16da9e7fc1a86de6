#include <gtest/gtest.h>

#include "support/CoreHarness.h"

namespace brevio::test {
namespace {

TEST(MessagesTest, InformationalBodyFollowsTwoEmptyLinesAndReturns) {
  CoreHarness h;
  h.messages.ShowMessage(MessageKind::Informational, "Check the settings");
  ASSERT_EQ(h.dialog.shown.size(), 1U);
  EXPECT_EQ(h.dialog.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(h.dialog.shown[0].title, "UI-View32 add-on Brevio Server V9.8.7 Informational message");
  EXPECT_EQ(h.dialog.shown[0].body, "\r\n\r\nCheck the settings");
  EXPECT_EQ(h.end.ends, 0);
}

TEST(MessagesTest, CriticalNamesTheHelpDocumentAndEndsTheProgram) {
  CoreHarness h;
  EXPECT_THROW(h.messages.ShowMessage(MessageKind::Critical, "Error getting station callsign"),
               ProgramEnded);
  ASSERT_EQ(h.dialog.shown.size(), 1U);
  EXPECT_EQ(h.dialog.shown[0].icon, MessageIcon::Critical);
  EXPECT_EQ(h.dialog.shown[0].title, "UI-View32 add-on Brevio Server V9.8.7 Error message");
  EXPECT_EQ(h.dialog.shown[0].body,
            "The following critical error has ocurred, you may want to read the online help file "
            "(/opt/brevio/brevio.html) on this :\r\n\r\nError getting station callsign\r\n\r\n"
            "The program will be stopped");
  EXPECT_EQ(h.end.ends, 1);
  EXPECT_TRUE(h.logFile.files.empty());
}

TEST(MessagesTest, PlainMessageKeepsItsOwnTitleAndDoesNotEndTheProgram) {
  CoreHarness h;
  h.messages.ShowPlain(MessageIcon::Critical, "BRV", "An error occurred");
  ASSERT_EQ(h.dialog.shown.size(), 1U);
  EXPECT_EQ(h.dialog.shown[0].title, "BRV");
  EXPECT_EQ(h.dialog.shown[0].body, "An error occurred");
  EXPECT_EQ(h.end.ends, 0);
}

}  // namespace
}  // namespace brevio::test
