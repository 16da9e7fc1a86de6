#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/PathText.h"
#include "support/DefinitionFiles.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kHelp = "HELP!4903.50N/07201.75W-\n";

class ObjectDefinitionsTest : public ::testing::Test, protected DefinitionFiles {
 protected:
  ObjectDefinitionsTest() {
    station.StationLat = 49.1;
    station.StationLong = -72.0;
  }

  // Loads `file` as overlays/brv.pos for the topics named, the host giving `distances` in turn;
  // gives each topic's object fields as "object lat lon table+symbol".
  Lines Load(const Lines& names, const std::string& file, const std::vector<double>& distances) {
    topics.TopicCount = static_cast<std::int16_t>(names.size());
    for (std::int16_t i = 1; i <= topics.TopicCount; ++i) {
      topics[i].strTopic = names[static_cast<std::size_t>(i - 1)];
    }
    host.distances = distances;
    hostFiles.Write("overlays/brv.pos", file);
    objectDefinitions.LoadObjectDefinitions();
    Lines objects;
    for (std::int16_t i = 1; i <= topics.TopicCount; ++i) {
      const TopicEntry& t = topics[i];
      objects.push_back(t.strObject + " " + std::to_string(t.dblLat) + " " +
                        std::to_string(t.dblLong) + " " + t.strTable + t.strSymbol);
    }
    return objects;
  }

  std::string Path() const { return JoinPath(JoinPath(hostFiles.Path(), "overlays"), "brv.pos"); }
};

TEST_F(ObjectDefinitionsTest, ObjectInRangeGetsItsPositionAndSymbol) {
  EXPECT_EQ(Load({"?HELP"}, "HELP!4903.50N/07201.75W-\r\n", {3.2}),
            Lines{"HELP 49.058333 -72.029167 /-"});
  EXPECT_EQ(host.CallsOf("DistanceBearing"),
            Lines{"DistanceBearing(49.058333|-72.029167|49.100000|-72.000000|true)"});
  EXPECT_EQ(StatusLines(), Lines{"loading BRV object definitions from " + Path()});
}

TEST_F(ObjectDefinitionsTest, KeyMatchesAnywhereCaseSensitivelyAndStarItemsAreSkipped) {
  // The position follows the item's first "!", before the name.
  EXPECT_EQ(Load({"?HELP", "?WX", "?NET"},
                 "*WX!4903.50N/07201.75W-\nhelp!4903.50N/07201.75W-\n"
                 "WHELP!4904.00S/07202.00W>\nX!4905.00N\\07203.00E# NET!\n",
                 {1.0, 1.0}),
            (Lines{"HELP -49.066667 -72.033333 />", " 0.000000 0.000000 ",
                   "NET 49.083333 72.050000 \\#"}));
  EXPECT_EQ(host.CallsOf("DistanceBearing").size(), 2U);
}

// An object beyond 25 km is rejected with the distance as the host gave it; its position stays.
TEST_F(ObjectDefinitionsTest, ObjectsFartherThanTwentyFiveKmAreRejected) {
  const std::pair<double, const char*> ranges[] = {
      {25.0, ""}, {25.01, "25.01"}, {31.456, "31.46"}, {31.5, "31.5"}, {40.0, "40."}};
  for (const auto& [km, shown] : ranges) {
    const std::string object = *shown ? "" : "HELP";
    EXPECT_EQ(Load({"?HELP"}, kHelp, {km}), Lines{object + " 49.058333 -72.029167 /-"}) << km;
    EXPECT_EQ(StatusLines().back(), *shown ? "Object HELP not valid; more then 25 km (" +
                                                 std::string(shown) + " km) from station."
                                           : "loading BRV object definitions from " + Path());
  }
  // The last matching item decides, its range test included.
  EXPECT_EQ(Load({"?HELP"}, kHelp + "HELP!4803.50N/07201.75W-\n", {1.0, 99.0}),
            Lines{" 48.058333 -72.029167 /-"});
  // Without a distance from the host the object counts as in range.
  EXPECT_EQ(Load({"?HELP"}, kHelp, {}), Lines{"HELP 49.058333 -72.029167 /-"});
  host.failing = {"DistanceBearing"};
  EXPECT_EQ(Load({"?HELP"}, kHelp, {99.0}), Lines{"HELP 49.058333 -72.029167 /-"});
  EXPECT_EQ(StatusLines().back(), "Host call failed: DistanceBearing failed");
}

TEST_F(ObjectDefinitionsTest, MalformedPositionGivesNoObjectAndKeepsTheOldFields) {
  topics[1].dblLat = 12.5;
  topics[1].strSymbol = "x";
  EXPECT_EQ(Load({"?A", "?B", "?C", "?D"},
                 "A!4903.50N/07201.75W\n"   // one character short
                 "B!4903.50N/072x1.75W-\n"  // not a number
                 "B!49x3.50N/07201.75W-\n"
                 "C!07201.75W/4903.50N-\n"   // longitude first
                 "D!4903.50N/07201.75W-\n",  // still read after the others
                 {1.0}),
            (Lines{" 12.500000 0.000000 x", " 0.000000 0.000000 ", " 0.000000 0.000000 ",
                   "D 49.058333 -72.029167 /-"}));
  EXPECT_EQ(host.CallsOf("DistanceBearing").size(), 1U);
  EXPECT_EQ(StatusLines()[1], "Object A not valid; no readable position in A!4903.50N/07201.75W");
}

TEST_F(ObjectDefinitionsTest, WithoutTopicsEveryItemIsReadAndNothingStored) {
  EXPECT_EQ(Load({}, kHelp, {}), Lines{});
  // A topic named "?" alone would otherwise match every "!".
  EXPECT_EQ(Load({"?"}, kHelp, {}), Lines{" 0.000000 0.000000 "});
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(StatusLines().size(), 2U);
}

TEST_F(ObjectDefinitionsTest, MissingFileIsCritical) {
  EXPECT_THROW(objectDefinitions.LoadObjectDefinitions(), ProgramEnded);
  EXPECT_EQ(CriticalText(),
            "Can not open overlay file " + Path() + "\r\nError 2 No such file or directory ");
}

}  // namespace
}  // namespace brevio::test
