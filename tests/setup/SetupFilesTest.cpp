// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "setup/MaidenheadLocator.h"
#include "setup/NewStation.h"
#include "setup/XtrFile.h"
#include "support/CoreHarness.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

// The critical message box sends the user to the help document beside the program, so the
// document must explain each critical message. It is read as a reader sees it: tags dropped,
// entities resolved, every run of white space a single blank.
TEST(HelpDocumentTest, LiesBesideTheProgramAndExplainsEachCriticalMessage) {
  std::string text = ReadAll(BREVIO_HELP_DOCUMENT);
  ASSERT_FALSE(text.empty()) << BREVIO_HELP_DOCUMENT;
  for (const auto& [pattern, by] :
       {std::pair{"<[^>]*>", ""}, {"\\s+", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
    text = std::regex_replace(text, std::regex(pattern), by);
  }
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

// Each row: the call and the position given, then the latitude and longitude taken, or the
// start of the reason they are refused.
TEST(NewStation, TakesCallsAndPositionsThatStartUpTakes) {
  const char* const table[][3] = {
      {"n0call-10", "4903.50N 07201.75W", "4903.50N 07201.75W"},
      {"VK2ABC", " 33.8688  151.2093 ", "3352.13N 15112.56E"},
      {"VK2ABC", "-33.8688 151.2093", "3352.13S 15112.56E"},
      {"N0CALL", "4903.50s 07201.75e", "4903.50S 07201.75E"},
      {"N0CALL", "-0.00001 -179.99999", "0000.00S 18000.00W"},
      {"N0CALL", "49.0583, -72.0292", "4903.50N 07201.75W"},
      {"N0CALL", "4903.50N/07201.75W", "4903.50N 07201.75W"},
      {"N0CALL", "FN29bb", "4903.75N 07552.50W"},
      {"N0CALL", "fn29", "4930.00N 07500.00W"},
      {"N0CALL", "JJ00", "0030.00N 00100.00E"},
      {"N0CALL", "FN29b",
       "position 'FN29b' is none: give latitude and longitude as 4903.50N "
       "07201.75W (or 4903.50N/07201.75W), in decimal degrees as 49.0583 "
       "-72.0292 (or 49.0583, -72.0292), or a Maidenhead locator of 4, 6 or 8 "
       "characters such as FN29bb"},
      {"N0CALL", "SN29", "position 'SN29' is none"},
      {"N0CALL", "FN29by", "position 'FN29by' is none"},
      {"NOCALL", "4903.50N 07201.75W", "call sign 'NOCALL' is refused: Error getting"},
      {"", "4903.50N 07201.75W", "a call sign is needed, such as N0CALL-10"},
      {"N0CALL-16", "4903.50N 07201.75W", "call sign 'N0CALL-16' is none: 1 to 6"},
      {"N0/ALL", "4903.50N 07201.75W", "call sign 'N0/ALL' is none"},
      {"N0CALL", "4903.50N", "position '4903.50N' is none: give"},
      {"N0CALL", "4963.50N 07201.75W", "position '4963.50N 07201.75W' is none"},
      {"N0CALL", "07201.75W 4903.50N", "position '07201.75W 4903.50N' is none"},
      {"N0CALL", "91 0", "position '91 0' is none"},
      {"N0CALL", "49.05x -72", "position '49.05x -72' is none"},
      {"N0CALL", "49 -72 0", "position '49 -72 0' is none"}};
  for (const auto& [call, position, expected] : table) {
    SCOPED_TRACE(std::string(call) + " / " + position);
    NewStation station;
    const std::string problem = ReadNewStation(call, position, station);
    if (problem.empty()) {
      EXPECT_EQ(station.latitude + " " + station.longitude, expected);
    } else {
      EXPECT_TRUE(problem.starts_with(expected)) << problem;
    }
  }
}

// The centre of an extended square: a quarter of a minute of longitude, an eighth of latitude.
TEST(NewStation, TakesTheCentreOfAnEightCharacterLocator) {
  const std::optional<std::pair<double, double>> centre = MaidenheadCentre("FN29bb47");
  ASSERT_TRUE(centre);
  EXPECT_NEAR(centre->first, 49.0 + 4.375 / 60.0, 1e-9);
  EXPECT_NEAR(centre->second, -(75.0 + 52.75 / 60.0), 1e-9);
}

// All or nothing, and never over a file that is there.
TEST(NewStation, WritesEveryFileOrNone) {
  TempFolder folder;
  NewStation station{"N0ABC-7", "4903.50N", "07201.75W"};
  const std::string dir = folder.Path() + "/station";
  ASSERT_EQ(WriteNewStation(dir, dir, station), "");
  EXPECT_TRUE(
      ReadAll(dir + "/uiview32.ini").find("\r\nCALLSIGN=N0ABC-7\r\nLATITUDE=4903.50N\r\n") !=
      std::string::npos);
  EXPECT_TRUE(ReadAll(dir + "/overlays/brv.pos").ends_with("\r\nCLUB!4903.50N/07201.75W-\r\n"));
  EXPECT_EQ(ReadAll(dir + "/brevio-message-number.txt"), "0\n");

  const std::string again = folder.Path() + "/again";
  folder.Write("again/brv.txt", "mine");
  EXPECT_EQ(WriteNewStation(again, again, station),
            "folder '" + again +
                "' already holds brv.txt; nothing was written (no file is ever overwritten)");
  EXPECT_EQ(ReadAll(again + "/brv.txt"), "mine");
  EXPECT_FALSE(std::filesystem::exists(again + "/uiview32.ini"));
  // The topics of a folder of their own are kept, and serve the new station.
  ASSERT_EQ(WriteNewStation(dir + "2", again, station), "");
  EXPECT_EQ(ReadAll(again + "/brv.txt"), "mine");
  EXPECT_TRUE(std::filesystem::exists(dir + "2/uiview32.ini"));
  ASSERT_EQ(WriteNewStation(dir + "3", folder.Path() + "/topics", station), "");
  EXPECT_TRUE(ReadAll(folder.Path() + "/topics/brv.txt").starts_with("# Topics of N0ABC-7"));
  EXPECT_FALSE(std::filesystem::exists(dir + "3/brv.txt"));

  folder.Write("plain", "x");
  EXPECT_EQ(WriteNewStation(folder.Path() + "/plain", dir, station),
            "folder '" + folder.Path() + "/plain' is a file: give a folder for the new station");
  EXPECT_EQ(
      WriteNewStation(folder.Path() + "/plain/station", folder.Path() + "/plain/station", station),
      "folder '" + folder.Path() +
          "/plain/station' cannot be written: give a folder you may write in");
}

class XtrFileTest : public ::testing::Test {
 protected:
  XtrFileTest() {
    h.info.programFolder = program.Path();
    h.info.executableBaseName = "ui_brv";
  }

  // The one message the command showed.
  const ShownMessage& Shown() {
    EXPECT_EQ(h.dialog.shown.size(), 1U);
    return h.dialog.shown.back();
  }

  CoreHarness h;
  TempFolder host;
  TempFolder program;
  FixedFolderSetting setting;
  HostFolder hostFolder{setting, h.messages};
  XtrFile xtr{hostFolder, h.messages, h.info};
};

TEST_F(XtrFileTest, WithAHostFolderWritesQuotedPathThereAndSaysSo) {
  setting.read.value = host.Path() + "/";  // joined as stored, no separator added
  xtr.MenuCommand();
  h.dialog.shown.clear();
  xtr.MenuCommand();  // a second run replaces the file
  EXPECT_EQ(ReadAll(host.Path() + "/ui_brv.XTR"),
            "BRV Brevio server\r\n\"" + program.Path() + "/ui_brv.EXE\"\r\nTRUE\r\nTrue\r\n");
  EXPECT_EQ(Shown().icon, MessageIcon::Information);
  EXPECT_EQ(Shown().body,
            "\r\n\r\nThe XTR file for ui_brv is created in the UI-View32 folder.\r\nAfter "
            "restarting UI-View32 you can start ui_brv from the UI-View File menu.");
}

// Without a host folder, or with a setting that cannot be read (which is shown), the file goes
// into the program folder.
TEST_F(XtrFileTest, WithoutAHostFolderWritesBarePathIntoTheProgramFolder) {
  xtr.MenuCommand();
  EXPECT_EQ(ReadAll(program.Path() + "/ui_brv.XTR"),
            "BRV Brevio server\r\n" + program.Path() + "/ui_brv.EXE\r\nTRUE\r\nTrue\r\n");
  EXPECT_EQ(Shown().body,
            "\r\n\r\nCannot find the program folder for UI-View32 (or you may be running the "
            "UI-View 16bits version), so the configuration of UI-View Kestrix cannot not be "
            "completed\r\n\r\n The XTR file is created in the ui_brv application folder (" +
                program.Path() +
                ").\r\nTo complete the XTR setup you should:\r\n - copy the XTR file to the "
                "UI-View(16) folder,\r\n - check line 2 in the file and convert long pathnames "
                "to short ones.\r\n   example : change C:\\program files\\uivaddon to "
                "c:\\progra~1\\uivaddon");
  xtr.CreateXTRFile("BRV Brevio server", "ui_brv", program.Path(), false);
  EXPECT_NE(ReadAll(program.Path() + "/ui_brv.XTR").find("\r\nFALSE\r\nTrue\r\n"),
            std::string::npos);

  std::filesystem::remove(program.Path() + "/ui_brv.XTR");
  h.dialog.shown.clear();
  setting.read.error = SystemError{5, "Access is denied"};
  xtr.MenuCommand();
  ASSERT_EQ(h.dialog.shown.size(), 2U);
  EXPECT_EQ(h.dialog.shown[0].body,
            "An error occurred getting the UIView folder. The system error message is 'Access is "
            "denied'");
  EXPECT_FALSE(ReadAll(program.Path() + "/ui_brv.XTR").empty());
}

// A file that cannot be created or written is shown, never reported as created, and the
// program goes on.
TEST_F(XtrFileTest, AFileThatCannotBeWrittenIsShownAndTheProgramGoesOn) {
  std::filesystem::create_symlink("/dev/full", host.Path() + "/ui_brv.XTR");
  for (const auto& [folder, error] :
       {std::pair{host.Path() + "/gone/", "No such file or directory"},
        std::pair{host.Path() + "/", "No space left on device"}}) {
    h.dialog.shown.clear();
    setting.read.value = folder;
    xtr.MenuCommand();
    EXPECT_EQ(Shown().icon, MessageIcon::Critical);
    EXPECT_EQ(Shown().title, "BRV");
    EXPECT_EQ(Shown().body,
              "AN error occurred creating the XTR file. The system error message is '" +
                  std::string(error) + "'");
  }
  EXPECT_EQ(h.end.ends, 0);
}

}  // namespace
}  // namespace brevio::test
