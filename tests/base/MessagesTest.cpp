#include <gtest/gtest.h>

#include "support/CoreHarness.h"

namespace brevio::test {
namespace {

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
  const ShownMessage expected[] = {
      {MessageIcon::Information, title + " Informational message", "\r\n\r\nCheck the settings"},
      {MessageIcon::Critical, "BRV", "An error occurred"},
      {MessageIcon::Critical, title + " Error message",
       "The following critical error has ocurred, you may want to read the online help file "
       "(/opt/brevio/brevio.html) on this :\r\n\r\nError getting station callsign\r\n\r\n"
       "The program will be stopped"}};
  ASSERT_EQ(h.dialog.shown.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(h.dialog.shown[i].icon, expected[i].icon) << i;
    EXPECT_EQ(h.dialog.shown[i].title, expected[i].title) << i;
    EXPECT_EQ(h.dialog.shown[i].body, expected[i].body) << i;
  }
}

}  // namespace
}  // namespace brevio::test
