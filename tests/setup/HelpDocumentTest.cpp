#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

// The help document's text as a reader sees it: tags dropped, entities resolved, every run of
// white space a single blank.
std::string ReadableText(const std::string& html) {
  std::string text = std::regex_replace(html, std::regex("<[^>]*>"), "");
  text = std::regex_replace(text, std::regex("\\s+"), " ");
  text = std::regex_replace(text, std::regex("&lt;"), "<");
  text = std::regex_replace(text, std::regex("&gt;"), ">");
  return std::regex_replace(text, std::regex("&amp;"), "&");
}

class HelpDocumentTest : public ::testing::TestWithParam<const char*> {
 protected:
  static std::string Text() {
    std::ifstream file(BREVIO_HELP_DOCUMENT);
    std::ostringstream content;
    content << file.rdbuf();
    return ReadableText(content.str());
  }
};

TEST(HelpDocument, LiesBesideTheProgram) {
  std::ifstream file(BREVIO_HELP_DOCUMENT);
  EXPECT_TRUE(file.good()) << BREVIO_HELP_DOCUMENT;
}

// The critical message box sends the user to the help document, so it must explain each one.
TEST_P(HelpDocumentTest, ExplainsCriticalMessage) {
  EXPECT_NE(Text().find(GetParam()), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    CriticalMessages, HelpDocumentTest,
    ::testing::Values(
        "Can not open BRV log file '", "Another instance of this program is already running",
        "Unable to locate UIVIEW32.EXE, install this add-on in the UIView32 directory",
        "Your current version of uiview32 (",
        ") is invalid for this add-on, minimum version 1.99, maximum version 2.99 is required",
        "Error getting station callsign from UIView32.INI",
        "Error getting station latitude from UIView32.INI",
        "Error getting station longitude from UIView32.INI",
        "You must first set the UIView32 menu 'Options, Remote topics' option to 'Anyone'",
        "Can not open BRV definition file ", "More then 10 topics defined in BRV.TXT file.",
        " is more then 6 characters", "Can not open overlay file "));

}  // namespace
