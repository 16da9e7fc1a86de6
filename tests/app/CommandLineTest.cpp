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
  // A serial device that is not there (yet) is a TNC that may be plugged in later.
  for (const char* device : {"/dev/null", "/dev/no-tnc-here"}) {
    EXPECT_EQ(ParseCommandLine({"--tnc", "serial:" + std::string(device) + "@57600"}).tnc,
              TncAddress::Serial(device, 57600));
  }
}

TEST(CommandLineTest, ArgumentsThatCannotBeReadAreErrors) {
  const std::string forms =
      "option '--tnc' needs a link: stdio, kiss://HOST:PORT, aprsis://HOST:PORT or "
      "serial:PATH[@BAUD]";
  const std::string device = "option '--tnc' needs a serial device such as /dev/ttyUSB0, and ";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--headless", "--program-folder"}, "option '--program-folder' needs a folder"},
      {{"--tnc"}, forms},
      {{"--tnc", "kiss://localhost"}, forms + ", not 'kiss://localhost'"},
      {{"--tnc", "--headless"}, forms + ", not '--headless'"},
      {{"--tnc", "serial:/"}, device + "'/' is a folder"},
      {{"--tnc", "serial:/proc/self/exe@9600"}, device + "'/proc/self/exe' is a file"},
      {{"--tnc", "serial:/dev/ttyUSB0@1"},
       "option '--tnc' takes a serial speed of 300, 600, "
       "1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, "
       "230400, 460800 or 921600 baud, not '1'"},
      {{"--headless", "--colour"}, "unknown argument '--colour'"}};
  for (const auto& [arguments, error] : cases) EXPECT_EQ(ParseCommandLine(arguments).error, error);
}

}  // namespace
}  // namespace brevio
