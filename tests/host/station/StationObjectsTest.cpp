#include <gtest/gtest.h>

#include "StationHarness.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

// An object as the server places it (flag A, values A and B, name, symbol, latitude,
// longitude, comment, table); CreateObject's status.
std::int16_t Create(StationHarness& h, std::string name, float latitude = 49.0583333f) {
  std::int16_t status = -1;
  h.link->CreateObject({true, -32768, -32768, std::move(name), '?', latitude, -72.0291667f,
                        "'?\?' to N0CALL-10=info", '\\'},
                       status);
  return status;
}

Lines Objects(StationHarness& h) {
  Lines list;
  h.link->GetObjectList(list);
  return list;
}

TEST(StationObjects, PlacedObjectIsListedReportedAndRepeatedEveryTenMinutes) {
  StationHarness h;
  EXPECT_EQ(Create(h, "BRVN0CALL"), 0);
  EXPECT_EQ(Objects(h), Lines{"*BRVN0CALL"});
  EXPECT_EQ(h.timer.interval, 600000);

  h.core.clock.Advance(600000);
  h.utc.now += std::chrono::minutes(10);
  h.station.Poll();
  EXPECT_EQ(h.transport.sent,
            (Lines{"3 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1:;BRVN0CALL*060722z4903.50N\\07201.75W?'?\?' "
                   "to N0CALL-10=info",
                   "3 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1:;BRVN0CALL*060732z4903.50N\\07201.75W?'?\?' "
                   "to N0CALL-10=info"}));
}

TEST(StationObjects, DeletedObjectGoesOutKilledOnceAndLeavesTheList) {
  StationHarness h;
  Create(h, "HELP0");
  Create(h, "HELP01");
  std::int32_t result = -1;
  h.link->DeleteObject("HELP0", true, result);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(h.transport.sent.back(),
            "3 N0CALL-10>APZBRV,WIDE1-1,WIDE2-1:;HELP0    _060722z4903.50N\\07201.75W?'?\?' to "
            "N0CALL-10=info");
  h.link->DeleteObject("HELP0", true, result);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Objects(h), Lines{"*HELP01"});
  EXPECT_EQ(h.transport.sent.size(), 3u);
}

TEST(StationObjects, ObjectsThatCannotBeReportedAreRefused) {
  StationHarness h;
  EXPECT_EQ(Create(h, "HELP0123456"), 1);  // ten characters and more
  EXPECT_EQ(Create(h, ""), 1);
  EXPECT_EQ(Create(h, "POLE", 91.0f), 1);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(Create(h, "OBJ" + std::to_string(i)), 0);
  EXPECT_EQ(Create(h, "ONEMORE"), 2);
  EXPECT_EQ(Create(h, "OBJ7"), 0);  // the same name takes its old place
  const Lines list = Objects(h);
  EXPECT_EQ(list.size(), 100u);
  EXPECT_EQ(list[7], "*OBJ7");
}

TEST(StationHost, DistanceBearingIsTheGreatCircleCourse) {
  StationHarness h;
  struct Case {
    double lat1, long1, lat2, long2, km, bearing;
  };
  const double degreeKm = 6371.0088 * 3.14159265358979323846 / 180.0;
  for (const Case& c : {Case{0, 0, 0, 1, degreeKm, 90}, Case{10, 20, 11, 20, degreeKm, 0},
                        Case{10, 20, 9, 20, degreeKm, 180}, Case{0, 1, 0, 0, degreeKm, 270},
                        Case{52, 4, 52, 4, 0, 0}, Case{0, 0, 0, 180, 180 * degreeKm, 90},
                        Case{51.5074, -0.1278, 48.8566, 2.3522, 343.56, 148.1}}) {
    double distance = 1.0;
    double bearing = -1.0;
    h.link->DistanceBearing(c.lat1, c.long1, c.lat2, c.long2, distance, bearing, true);
    EXPECT_NEAR(distance, c.km, 0.01) << c.lat1 << " " << c.long1;
    EXPECT_NEAR(bearing, c.bearing, 0.05) << c.lat1 << " " << c.long1;
  }
}

}  // namespace
}  // namespace brevio::test
