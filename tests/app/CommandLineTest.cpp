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

TEST(CommandLineTest, ReadsTheStationLinkAndTakesDirewolfsKissPortWithoutOne) {
  const CommandLine aprsIs = ParseCommandLine({"--tnc", "aprsis://rotate.aprs2.net:14580"});
  EXPECT_EQ(aprsIs.tnc, (TncAddress{TncAddress::Kind::AprsIs, "rotate.aprs2.net", 14580}));
  EXPECT_TRUE(aprsIs.tncGiven);
  EXPECT_EQ(ParseCommandLine({"--headless", "--tnc", "stdio"}).tnc, TncAddress{});
  EXPECT_EQ(ParseCommandLine({}).tnc, (TncAddress{TncAddress::Kind::Kiss, "127.0.0.1", 8001}));
  EXPECT_FALSE(ParseCommandLine({}).tncGiven);
}

TEST(CommandLineTest, ArgumentsThatCannotBeReadAreErrors) {
  const std::string forms =
      "option '--tnc' needs a link: stdio, kiss://HOST:PORT or aprsis://HOST:PORT";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--headless", "--program-folder"}, "option '--program-folder' needs a folder"},
      {{"--tnc"}, forms},
      {{"--tnc", "kiss://localhost"}, forms + ", not 'kiss://localhost'"},
      {{"--tnc", "--headless"}, forms + ", not '--headless'"},
      {{"--headless", "--colour"}, "unknown argument '--colour'"}};
  for (const auto& [arguments, error] : cases) EXPECT_EQ(ParseCommandLine(arguments).error, error);
}

}  // namespace
}  // namespace brevio
