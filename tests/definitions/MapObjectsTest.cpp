#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "definitions/MapObjects.h"
#include "support/CoreHarness.h"
#include "support/FakeHost.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

class MapObjectsTest : public ::testing::Test, protected CoreHarness {
 protected:
  MapObjectsTest() {
    station.StationCall = "NOCALL-9";
    station.StationLat = 49.1;
    station.StationLong = -72.0;
    topics.TopicCount = 1;
    topics[1] = {"?HELP", "Call 555", "HELP", 49.5, -72.25, "-", "/"};
  }

  Lines CreatedNames() const {
    Lines names;
    for (const HostMapObject& object : host.created) names.push_back(object.Name);
    return names;
  }

  // The record the host got, in the host's order of properties.
  static std::string Record(const HostMapObject& o) {
    return std::to_string(o.FlagA) + "|" + std::to_string(o.ValueA) + "|" +
           std::to_string(o.ValueB) + "|" + o.Name + "|" + o.Symbol + "|" +
           std::to_string(o.Latitude) + "|" + std::to_string(o.Longitude) + "|" + o.Comment + "|" +
           o.SymbolTable;
  }

  FakeHost host;
  StationConfig station;
  TopicTable topics;
  MapObjects objects{topics, station, host.Connector(), log, clock};
};

TEST_F(MapObjectsTest, RepeatedRequestsPlaceEachObjectUnderTheNextCandidateName) {
  for (int i = 0; i < 3; ++i) objects.CreateTopicObject(1);
  EXPECT_EQ(CreatedNames(), (Lines{"HELP0", "HELP01", "HELP012"}));
  EXPECT_EQ(Record(host.created[0]), "1|-32768|-32768|HELP0|-|49.500000|-72.250000|Call 555|/");
  EXPECT_EQ(
      StatusLines(),
      (Lines{"Table = /", "Symbol = -", "Create object HELP0", "CreateObject() returned 0",
             "Table = /", "Symbol = -", "Create object HELP01", "CreateObject() returned 0",
             "Table = /", "Symbol = -", "Create object HELP012", "CreateObject() returned 0"}));
}

TEST_F(MapObjectsTest, AfterTheHundredthCandidateNameNoneIsTried) {
  std::string last = "HELP";
  for (int counter = 0; counter <= 99; ++counter) last += std::to_string(counter);
  // A name is taken by any entry that holds it from its second character on.
  host.objectList = {"*" + last.substr(0, last.size() - 2)};
  objects.CreateTopicObject(1);
  EXPECT_EQ(CreatedNames(), Lines{last});
  host.objectList = {"*" + last + "X"};
  objects.CreateTopicObject(1);
  EXPECT_EQ(CreatedNames(), Lines{last});
}

TEST_F(MapObjectsTest, TopicWithoutObjectLogsItsSymbolAndCallsNoHost) {
  topics[1].strObject.clear();
  objects.CreateTopicObject(1);
  EXPECT_EQ(StatusLines(), (Lines{"Table = /", "Symbol = -", "No Object defined for this topic"}));
  EXPECT_EQ(host.connections, 0);
  EXPECT_TRUE(host.calls.empty());
}

// Each call at its tick, with the status lines it writes and the objects placed so far.
TEST_F(MapObjectsTest, ServerObjectIsPlacedAtMostOnceAMinuteAndAFoundOneRestartsTheMinute) {
  const Lines placed = {"Create object BRVNOCALL", "CreateObject() returned 0"};
  const std::tuple<std::int32_t, bool, Lines, std::size_t> calls[] = {
      // The first call compares with 0.
      {60000, false, {"Msg not sent; object created only 60 seconds ago."}, 0},
      {60001, false, placed, 1},
      {60001, false, {"Msg not sent; object created only 0 seconds ago."}, 1},
      {120001, false, {"Msg not sent; object created only 60 seconds ago."}, 1},
      {120002, false, {}, 1},  // still on the map
      {150502, false, {"Msg not sent; object created only 30.5 seconds ago."}, 1},
      {180003, true, placed, 2},
      // More than 24.8 days after the last call the difference turns negative.
      {180003 + INT_MIN, true, placed, 3},
  };
  for (const auto& [tick, mapCleared, lines, created] : calls) {
    clock.tick = tick;
    if (mapCleared) host.objectList.clear();
    txtStatus.content.clear();
    objects.CreateServerObject();
    EXPECT_EQ(StatusLines(), lines) << tick;
    EXPECT_EQ(host.created.size(), created) << tick;
  }
  EXPECT_EQ(Record(host.created[0]),
            "1|-32768|-32768|BRVNOCALL|?|49.099998|-72.000000|'?\?' to NOCALL-9=info (DAZudur)|\\");
}

TEST_F(MapObjectsTest, ShutdownDeletesTheObjectsTheHostPlacedBetweenItsBracketLines) {
  objects.DeleteTopicObjects();
  EXPECT_EQ(StatusLines(), (Lines{"Start of deleting objects", "End of deleting objects"}));
  // Objects the host failed or refused to place are not remembered.
  host.failing = {"CreateObject"};
  objects.CreateTopicObject(1);
  EXPECT_EQ(StatusLines().back(), "Host call failed: CreateObject failed");
  host.failing.clear();
  host.createStatus = 5;
  objects.CreateTopicObject(1);
  EXPECT_EQ(StatusLines().back(), "CreateObject() returned 5");
  objects.DeleteTopicObjects();
  EXPECT_TRUE(host.CallsOf("DeleteObject").empty());

  host.createStatus = 0;
  objects.CreateTopicObject(1);
  txtStatus.content.clear();
  objects.DeleteTopicObjects();
  EXPECT_EQ(host.CallsOf("DeleteObject"), Lines{"DeleteObject(HELP0|true)"});
  // A delete that fails is reported and the others go on.
  host.failing = {"DeleteObject"};
  objects.DeleteTopicObjects();
  EXPECT_EQ(StatusLines(),
            (Lines{"Start of deleting objects", "Object deleted (HELP0)", "End of deleting objects",
                   "Start of deleting objects", "Host call failed: DeleteObject failed",
                   "End of deleting objects"}));
}

}  // namespace
}  // namespace brevio::test
