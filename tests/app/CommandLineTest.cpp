#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace brevio {
namespace {

TEST(CommandLineTest, ReadsTheModeAndTheInformationRequests) {
  EXPECT_FALSE(ParseCommandLine({}).headless);
  const CommandLine line = ParseCommandLine({"--headless", "--version"});
  EXPECT_TRUE(line.headless);
  EXPECT_TRUE(line.showVersion);
  EXPECT_TRUE(ParseCommandLine({"-h"}).showHelp);
  EXPECT_TRUE(line.error.empty());
}

TEST(CommandLineTest, ReadsTheFoldersThatReplaceTheStoredOnes) {
  const CommandLine line =
      ParseCommandLine({"--host-folder", "/srv/uiview", "--headless", "--program-folder", "."});
  EXPECT_EQ(line.hostFolder, "/srv/uiview");
  EXPECT_EQ(line.programFolder, ".");
  EXPECT_TRUE(line.headless);
  EXPECT_FALSE(ParseCommandLine({}).hostFolder);
  EXPECT_EQ(ParseCommandLine({"--host-folder", "--headless"}).hostFolder, "--headless");
}

TEST(CommandLineTest, AFolderOptionWithoutItsFolderIsAnError) {
  EXPECT_EQ(ParseCommandLine({"--headless", "--program-folder"}).error,
            "option '--program-folder' needs a folder");
}

TEST(CommandLineTest, ReadsTheStationLink) {
  EXPECT_EQ(ParseCommandLine({"--headless", "--tnc", "stdio"}).tnc, "stdio");
  EXPECT_EQ(ParseCommandLine({}).tnc, "");
  EXPECT_EQ(ParseCommandLine({"--tnc"}).error, "option '--tnc' needs a link: stdio");
  EXPECT_EQ(ParseCommandLine({"--tnc", "serial"}).error, "option '--tnc' needs a link: stdio");
}

TEST(CommandLineTest, AnUnknownArgumentIsAnError) {
  EXPECT_EQ(ParseCommandLine({"--headless", "--colour"}).error, "unknown argument '--colour'");
}

}  // namespace
}  // namespace brevio
