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

TEST(CommandLineTest, AnUnknownArgumentIsAnError) {
  EXPECT_EQ(ParseCommandLine({"--headless", "--colour"}).error, "unknown argument '--colour'");
}

}  // namespace
}  // namespace brevio
