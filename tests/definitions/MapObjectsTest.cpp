#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "definitions/MapObjects.h"
#include "support/CoreHarness.h"
#include "support/FakeHost.h"

namespace brevio::test {
namespace {

class MapObjectsTest : public ::testing::Test {
 protected:
  MapObjectsTest() {
    station.StationCall = "NOCALL-9";
    station.StationLat = 49.1;
    station.StationLong = -72.0;
    topics.TopicCount = 1;
    topics[1] = {"?HELP", "Call 555", "HELP", 49.5, -72.25, "-", "/"};
  }

  std::vector<std::string> CreatedNames() const {
    std::vector<std::string> names;
    for (const HostMapObject& object : host.created) names.push_back(object.Name);
    return names;
  }

  CoreHarness h;
  FakeHost host;
  StationConfig station;
  TopicTable topics;
  MapObjects objects{topics, station, host.Connector(), h.log, h.clock};
};

TEST_F(MapObjectsTest, RepeatedRequestsPlaceEachObjectUnderTheNextCandidateName) {
  for (int i = 0; i < 3; ++i) objects.CreateTopicObject(1);
  EXPECT_EQ(CreatedNames(), (std::vector<std::string>{"HELP0", "HELP01", "HELP012"}));
  const HostMapObject& object = host.created[0];
  EXPECT_FLOAT_EQ(object.Latitude, 49.5f);
  EXPECT_FLOAT_EQ(object.Longitude, -72.25f);
  EXPECT_EQ(object.Comment, "Call 555");
  EXPECT_EQ(object.Symbol, '-');
  EXPECT_EQ(object.SymbolTable, '/');
  EXPECT_EQ(h.StatusLines(),
            (std::vector<std::string>{
                "Table = /", "Symbol = -", "Create object HELP0", "CreateObject() returned 0",
                "Table = /", "Symbol = -", "Create object HELP01", "CreateObject() returned 0",
                "Table = /", "Symbol = -", "Create object HELP012", "CreateObject() returned 0"}));
}

TEST_F(MapObjectsTest, TopicWithoutObjectLogsItsSymbolAndCallsNoHost) {
  topics[1].strObject.clear();
  objects.CreateTopicObject(1);
  EXPECT_EQ(h.StatusLines(), (std::vector<std::string>{"Table = /", "Symbol = -",
                                                       "No Object defined for this topic"}));
  EXPECT_EQ(host.connections, 0);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(MapObjectsTest, ServerObjectIsNamedAfterTheCallAndRefusedWithinAMinute) {
  h.clock.tick = 100000;
  objects.CreateServerObject();
  h.clock.Advance(30500);
  objects.CreateServerObject();
  ASSERT_EQ(host.created.size(), 1U);
  EXPECT_EQ(host.created[0].Name, "BRVNOCALL");
  EXPECT_EQ(host.created[0].Comment, "'?\?' to NOCALL-9=info (DAZudur)");
  EXPECT_EQ(host.created[0].Symbol, '?');
  EXPECT_EQ(host.created[0].SymbolTable, '\\');
  EXPECT_EQ(h.StatusLines().back(), "Msg not sent; object created only 30.5 seconds ago.");
}

TEST_F(MapObjectsTest, ShutdownDeletesPlacedObjectsBetweenItsBracketLines) {
  objects.DeleteTopicObjects();
  EXPECT_EQ(h.StatusLines(),
            (std::vector<std::string>{"Start of deleting objects", "End of deleting objects"}));
  objects.CreateTopicObject(1);
  objects.DeleteTopicObjects();
  EXPECT_EQ(host.CallsOf("DeleteObject"), std::vector<std::string>{"DeleteObject(HELP0|true)"});
  const std::vector<std::string> lines = h.StatusLines();
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{"Start of deleting objects", "Object deleted (HELP0)",
                                      "End of deleting objects"}));
}

}  // namespace
}  // namespace brevio::test
