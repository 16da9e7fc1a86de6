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

TEST(CommandLineTest, ReadsTheStationLinkAndTakesDirewolfsKissPortWithoutOne) {
  const CommandLine aprsIs = ParseCommandLine({"--tnc", "aprsis://rotate.aprs2.net:14580"});
  EXPECT_EQ(aprsIs.tnc, (TncAddress{TncAddress::Kind::AprsIs, "rotate.aprs2.net", 14580}));
  EXPECT_TRUE(aprsIs.tncGiven);
  EXPECT_EQ(ParseCommandLine({"--headless", "--tnc", "stdio"}).tnc, TncAddress{});
  EXPECT_EQ(ParseCommandLine({}).tnc, (TncAddress{TncAddress::Kind::Kiss, "127.0.0.1", 8001}));
  EXPECT_FALSE(ParseCommandLine({}).tncGiven);
}

TEST(CommandLineTest, ALinkThatCannotBeReadIsAnError) {
  const std::string forms =
      "option '--tnc' needs a link: stdio, kiss://HOST:PORT or aprsis://HOST:PORT";
  EXPECT_EQ(ParseCommandLine({"--tnc"}).error, forms);
  EXPECT_EQ(ParseCommandLine({"--tnc", "kiss://localhost"}).error,
            forms + ", not 'kiss://localhost'");
  EXPECT_EQ(ParseCommandLine({"--tnc", "--headless"}).error, forms + ", not '--headless'");
}

TEST(CommandLineTest, AnUnknownArgumentIsAnError) {
  EXPECT_EQ(ParseCommandLine({"--headless", "--colour"}).error, "unknown argument '--colour'");
}

}  // namespace
}  // namespace brevio
