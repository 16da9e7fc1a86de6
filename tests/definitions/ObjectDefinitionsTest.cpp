#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/PathText.h"
#include "definitions/ObjectDefinitions.h"
#include "support/CoreHarness.h"
#include "support/FakeHost.h"
#include "support/FixedFolderSetting.h"
#include "support/TempFolder.h"

namespace brevio::test {
namespace {

class ObjectDefinitionsTest : public ::testing::Test {
 protected:
  ObjectDefinitionsTest() {
    station.StationLat = 49.1;
    station.StationLong = -72.0;
  }

  void Topics(const std::vector<std::string>& names) {
    topics.TopicCount = static_cast<std::int16_t>(names.size());
    for (std::int16_t i = 1; i <= topics.TopicCount; ++i) {
      topics[i].strTopic = names[static_cast<std::size_t>(i - 1)];
    }
  }

  // Writes overlays/brv.pos and loads it.
  void Load(const std::string& bytes) {
    folder.Write("overlays/brv.pos", bytes);
    definitions.LoadObjectDefinitions();
  }

  std::string Path() const { return JoinPath(JoinPath(folder.Path(), "overlays"), "brv.pos"); }

  TempFolder folder;
  CoreHarness h;
  FakeHost host;
  std::unique_ptr<HostLink> link = host.Connector().Connect();
  FixedFolderSetting setting{folder.Path()};
  HostFolder hostFolder{setting, h.messages};
  StationConfig station;
  TopicTable topics;
  ObjectDefinitions definitions{topics, station, *link, hostFolder, h.log, h.messages};
};

TEST_F(ObjectDefinitionsTest, ObjectInRangeGetsItsPositionAndSymbol) {
  Topics({"?HELP"});
  host.distances = {3.2};
  Load("HELP!4903.50N/07201.75W-\r\n");
  EXPECT_EQ(topics[1].strObject, "HELP");
  EXPECT_NEAR(topics[1].dblLat, 49.058333, 1e-6);
  EXPECT_NEAR(topics[1].dblLong, -72.029166, 1e-6);
  EXPECT_EQ(topics[1].strTable, "/");
  EXPECT_EQ(topics[1].strSymbol, "-");
  EXPECT_EQ(
      host.CallsOf("DistanceBearing"),
      std::vector<std::string>{"DistanceBearing(49.058333|-72.029167|49.100000|-72.000000|true)"});
  EXPECT_EQ(h.StatusLines(),
            std::vector<std::string>{"loading BRV object definitions from " + Path()});
}

TEST_F(ObjectDefinitionsTest, KeyMatchesAnywhereCaseSensitivelyAndStarItemsAreSkipped) {
  Topics({"?HELP", "?WX", "?NET"});
  host.distances = {1.0, 1.0};
  Load(
      "*WX!4903.50N/07201.75W-\n"
      "help!4903.50N/07201.75W-\n"
      "WHELP!4904.00N/07202.00W>\n"
      "X!4905.00N\\07203.00E# NET!\n");
  EXPECT_EQ(topics[1].strObject, "HELP");  // from WHELP
  EXPECT_EQ(topics[1].strSymbol, ">");
  EXPECT_EQ(topics[2].strObject, "");
  // The position follows the item's first "!", before the name.
  EXPECT_EQ(topics[3].strObject, "NET");
  EXPECT_NEAR(topics[3].dblLong, 72.05, 1e-6);
  EXPECT_EQ(topics[3].strTable, "\\");
  EXPECT_EQ(host.CallsOf("DistanceBearing").size(), 2U);
}

struct RangeCase {
  double km;
  const char* shown;  // empty: in range
};

class ObjectRangeTest : public ObjectDefinitionsTest,
                        public ::testing::WithParamInterface<RangeCase> {};

TEST_P(ObjectRangeTest, ObjectsFartherThanTwentyFiveKmAreRejected) {
  Topics({"?HELP"});
  host.distances = {GetParam().km};
  Load("HELP!4903.50N/07201.75W-\n");
  const std::string shown = GetParam().shown;
  EXPECT_EQ(topics[1].strObject, shown.empty() ? "HELP" : "");
  EXPECT_EQ(topics[1].strSymbol, "-");  // the position stays stored either way
  const std::string line =
      "Object HELP not valid; more then 25 km (" + shown + " km) from station.";
  EXPECT_EQ(h.StatusLines().back() == line, !shown.empty()) << h.StatusLines().back();
}

INSTANTIATE_TEST_SUITE_P(Limit, ObjectRangeTest,
                         ::testing::Values(RangeCase{25.0, ""}, RangeCase{25.01, "25.01"},
                                           RangeCase{31.456, "31.46"}, RangeCase{31.5, "31.5"},
                                           RangeCase{40.0, "40."}));

TEST_F(ObjectDefinitionsTest, DistanceStaysOneWhenTheHostGivesNoneOrFails) {
  Topics({"?A", "?B"});
  host.distances = {};
  Load("A!4903.50N/07201.75W-\n");
  EXPECT_EQ(topics[1].strObject, "A");
  host.failing = {"DistanceBearing"};
  Load("B!4903.50N/07201.75W-\n");
  EXPECT_EQ(topics[2].strObject, "B");
  EXPECT_EQ(h.StatusLines().back(), "Host call failed: DistanceBearing failed");
}

TEST_F(ObjectDefinitionsTest, LastMatchingItemDecidesIncludingItsRangeTest) {
  Topics({"?HELP"});
  host.distances = {1.0, 99.0};
  Load("HELP!4903.50N/07201.75W-\nHELP!4803.50N/07201.75W-\n");
  EXPECT_EQ(topics[1].strObject, "");
  EXPECT_NEAR(topics[1].dblLat, 48.058333, 1e-6);
}

TEST_F(ObjectDefinitionsTest, MalformedPositionGivesNoObjectAndKeepsTheOldFields) {
  Topics({"?A", "?B", "?C", "?D"});
  topics[1].dblLat = 12.5;
  topics[1].strSymbol = "x";
  host.distances = {1.0};
  Load(
      "A!4903.50N/07201.75W\n"     // one character short
      "B!49x3.50N/07201.75W-\n"    // not a number
      "C!07201.75W/4903.50N-\n"    // longitude first
      "D!4903.50N/07201.75W-\n");  // still read after the others
  EXPECT_EQ(topics[1].strObject, "");
  EXPECT_EQ(topics[1].dblLat, 12.5);
  EXPECT_EQ(topics[1].strSymbol, "x");
  EXPECT_EQ(topics[2].strObject, "");
  EXPECT_EQ(topics[3].strObject, "");
  EXPECT_EQ(topics[4].strObject, "D");
  EXPECT_EQ(host.CallsOf("DistanceBearing").size(), 1U);
  EXPECT_EQ(h.StatusLines()[1], "Object A not valid; no readable position in A!4903.50N/07201.75W");
}

TEST_F(ObjectDefinitionsTest, WithoutTopicsEveryItemIsReadAndNothingStored) {
  Load("HELP!4903.50N/07201.75W-\n");
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(topics[1].strObject, "");
  // A topic named "?" alone would otherwise match every "!".
  Topics({"?"});
  Load("HELP!4903.50N/07201.75W-\n");
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(h.StatusLines().size(), 2U);
}

TEST_F(ObjectDefinitionsTest, MissingFileIsCritical) {
  EXPECT_THROW(definitions.LoadObjectDefinitions(), ProgramEnded);
  ASSERT_EQ(h.dialog.shown.size(), 1U);
  EXPECT_NE(h.dialog.shown[0].body.find("Can not open overlay file " + Path() +
                                        "\r\nError 2 No such file or directory \r\n"),
            std::string::npos)
      << h.dialog.shown[0].body;
}

}  // namespace
}  // namespace brevio::test
