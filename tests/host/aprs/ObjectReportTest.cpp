#include <gtest/gtest.h>

#include "host/aprs/ObjectReport.h"
#include "support/Mutations.h"

namespace brevio {
namespace {

const AprsTimestamp kStamp{AprsTimestamp::Form::DayHourMinuteUtc, 9, 23, 45, 0};
const AprsPosition kPosition{49 + 3.5 / 60, -(72 + 1.75 / 60), '/', '$', 0};

TEST(ObjectReport, ReadsLiveAndKilledObjects) {
  EXPECT_EQ(ParseObjectReport(";LEADER   *092345z4903.50N/07201.75W$088/036 hi"),
            (ObjectReport{"LEADER", true, kStamp, kPosition, "088/036 hi"}));
  EXPECT_EQ(ParseObjectReport(";MY OBJ   _092345z4903.50N/07201.75W$"),
            (ObjectReport{"MY OBJ", false, kStamp, kPosition, ""}));
  EXPECT_EQ(ParseObjectReport(";ABCDEFGHI*092345z4903.50N/07201.75W$")->name, "ABCDEFGHI");
}

TEST(ObjectReport, RefusesMalformedReports) {
  for (const std::string info :
       {";LEADER   *092345z4903.50N/07201.75W", "LEADER   *092345z4903.50N/07201.75W$",
        ";LEADER   x092345z4903.50N/07201.75W$", ";         *092345z4903.50N/07201.75W$",
        ";LEADER   *092345z/5L!!<*e7>7P[ comment", ";LEADER   *992345z4903.50N/07201.75W$",
        ";LEADER*092345z4903.50N/07201.75W$"}) {
    EXPECT_FALSE(ParseObjectReport(info)) << info;
  }
}

TEST(ObjectReport, FormatsFromValuesWithTheNamePaddedToNine) {
  EXPECT_EQ(FormatObjectReport({"BRV", true, kStamp, kPosition, "Send ??"}),
            ";BRV      *092345z4903.50N/07201.75W$Send ??");
  EXPECT_EQ(FormatObjectReport({"BRV", false, kStamp, kPosition, ""}),
            ";BRV      _092345z4903.50N/07201.75W$");
  for (const std::string name : {"", "TENCHARSXX", "BRV "}) {
    EXPECT_FALSE(FormatObjectReport({name, true, kStamp, kPosition, ""})) << name;
  }
  const AprsTimestamp badStamp{AprsTimestamp::Form::DayHourMinuteUtc, 9, 24, 0, 0};
  EXPECT_FALSE(FormatObjectReport({"BRV", true, badStamp, kPosition, ""}));
}

TEST(ObjectReport, RandomFieldsParseSafelyAndFormatBackConsistently) {
  const auto format = [](const ObjectReport& object, const std::string&) {
    return FormatObjectReport(object);
  };
  EXPECT_GT(test::ExpectRoundTrips({";LEADER   *092345z4903.50N/07201.75W$088/036",
                                    ";MY OBJ   _234517h49  .  S\\072  .  E#"},
                                   ParseObjectReport, format),
            100u);
}

}  // namespace
}  // namespace brevio
