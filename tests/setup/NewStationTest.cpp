#include <gtest/gtest.h>

#include <filesystem>

#include "setup/NewStation.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

struct Given {
  const char* call;
  const char* position;
  const char* problem;  // the start of the error; empty when accepted
  const char* latitude;
  const char* longitude;
};

TEST(NewStation, TakesCallsAndPositionsThatStartUpTakes) {
  const Given table[] = {
      {"n0call-10", "4903.50N 07201.75W", "", "4903.50N", "07201.75W"},
      {"VK2ABC", " 33.8688  151.2093 ", "", "3352.13N", "15112.56E"},
      {"VK2ABC", "-33.8688 151.2093", "", "3352.13S", "15112.56E"},
      {"N0CALL", "4903.50s 07201.75e", "", "4903.50S", "07201.75E"},
      {"N0CALL", "-0.00001 -179.99999", "", "0000.00S", "18000.00W"},
      {"NOCALL", "4903.50N 07201.75W", "call sign 'NOCALL' is refused: Error getting", "", ""},
      {"", "4903.50N 07201.75W", "call sign '' is refused", "", ""},
      {"N0CALL-16", "4903.50N 07201.75W", "call sign 'N0CALL-16' is none: 1 to 6", "", ""},
      {"N0/ALL", "4903.50N 07201.75W", "call sign 'N0/ALL' is none", "", ""},
      {"N0CALL", "4903.50N", "position '4903.50N' is none: give", "", ""},
      {"N0CALL", "4963.50N 07201.75W", "position '4963.50N 07201.75W' is none", "", ""},
      {"N0CALL", "07201.75W 4903.50N", "position '07201.75W 4903.50N' is none", "", ""},
      {"N0CALL", "91 0", "position '91 0' is none", "", ""},
      {"N0CALL", "49.05x -72", "position '49.05x -72' is none", "", ""},
      {"N0CALL", "49 -72 0", "position '49 -72 0' is none", "", ""}};
  for (const Given& row : table) {
    SCOPED_TRACE(std::string(row.call) + " / " + row.position);
    NewStation station;
    const std::string problem = ReadNewStation(row.call, row.position, station);
    EXPECT_TRUE(problem.starts_with(row.problem)) << problem;
    EXPECT_EQ(problem.empty(), *row.problem == '\0') << problem;
    if (!problem.empty()) continue;
    EXPECT_EQ(station.latitude, row.latitude);
    EXPECT_EQ(station.longitude, row.longitude);
  }
}

// All or nothing, and never over a file that is there.
TEST(NewStation, WritesEveryFileOrNone) {
  TempFolder folder;
  NewStation station{"N0ABC-7", "4903.50N", "07201.75W"};
  const std::string dir = folder.Path() + "/station";
  ASSERT_EQ(WriteNewStation(dir, station), "");
  EXPECT_TRUE(
      ReadAll(dir + "/uiview32.ini").find("\r\nCALLSIGN=N0ABC-7\r\nLATITUDE=4903.50N\r\n") !=
      std::string::npos);
  EXPECT_TRUE(ReadAll(dir + "/overlays/brv.pos").ends_with("\r\nCLUB!4903.50N/07201.75W-\r\n"));
  EXPECT_EQ(ReadAll(dir + "/brevio-message-number.txt"), "0\n");

  const std::string again = folder.Path() + "/again";
  folder.Write("again/brv.txt", "mine");
  EXPECT_EQ(WriteNewStation(again, station),
            "folder '" + again +
                "' already holds brv.txt; nothing was written (no file is ever overwritten)");
  EXPECT_EQ(ReadAll(again + "/brv.txt"), "mine");
  EXPECT_FALSE(std::filesystem::exists(again + "/uiview32.ini"));

  folder.Write("plain", "x");
  EXPECT_EQ(WriteNewStation(folder.Path() + "/plain", station),
            "folder '" + folder.Path() + "/plain' is a file: give a folder for the new station");
  EXPECT_EQ(WriteNewStation(folder.Path() + "/plain/station", station),
            "folder '" + folder.Path() +
                "/plain/station' cannot be written: give a folder you may write in");
}

}  // namespace
}  // namespace brevio::test
