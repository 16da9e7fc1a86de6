#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/TempFolder.h"

namespace {

// The critical message box sends the user to the help document beside the program, so the
// document must explain each critical message. It is read as a reader sees it: tags dropped,
// entities resolved, every run of white space a single blank.
TEST(HelpDocumentTest, LiesBesideTheProgramAndExplainsEachCriticalMessage) {
  std::string text = brevio::test::ReadAll(BREVIO_HELP_DOCUMENT);
  ASSERT_FALSE(text.empty()) << BREVIO_HELP_DOCUMENT;
  text = std::regex_replace(text, std::regex("<[^>]*>"), "");
  text = std::regex_replace(text, std::regex("\\s+"), " ");
  text = std::regex_replace(text, std::regex("&lt;"), "<");
  text = std::regex_replace(text, std::regex("&gt;"), ">");
  text = std::regex_replace(text, std::regex("&amp;"), "&");
  for (const char* message :
       {"Can not open BRV log file '", "Another instance of this program is already running",
        "Unable to locate UIVIEW32.EXE, install this add-on in the UIView32 directory",
        "Your current version of uiview32 (",
        ") is invalid for this add-on, minimum version 1.99, maximum version 2.99 is required",
        "Error getting station callsign from UIView32.INI",
        "Error getting station latitude from UIView32.INI",
        "Error getting station longitude from UIView32.INI",
        "You must first set the UIView32 menu 'Options, Remote topics' option to 'Anyone'",
        "Can not open BRV definition file ", "More then 10 topics defined in BRV.TXT file.",
        " is more then 6 characters", "Can not open overlay file "}) {
    EXPECT_NE(text.find(message), std::string::npos) << message;
  }
}

}  // namespace
