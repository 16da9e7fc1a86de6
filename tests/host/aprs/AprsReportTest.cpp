// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "host/aprs/ObjectReport.h"
#include "host/aprs/PositionReport.h"
#include "support/ObjectReportReader.h"

namespace brevio {
namespace {

using Form = AprsTimestamp::Form;
using test::ParseObjectReport;

const AprsPosition kPosition{49 + 3.5 / 60, -(72 + 1.75 / 60), '/', '-', 0};
const AprsTimestamp kStamp{Form::DayHourMinuteUtc, 9, 23, 45, 0};

TEST(PositionReport, ReadsEachDataTypeAndFormInSignedDegrees) {
  const std::pair<const char*, PositionReport> reports[] = {
      {"!4903.50N/07201.75W-Test 123", {kPosition, false, std::nullopt, "Test 123"}},
      {"=4903.50S\\07201.75E>",
       {{-kPosition.latitude, -kPosition.longitude, '\\', '>', 0}, true, std::nullopt, ""}},
      {"/092345z4903.50N/07201.75W-088/036", {kPosition, false, kStamp, "088/036"}},
      {"@092345/4903.50N/07201.75W-",
       {kPosition, true, AprsTimestamp{Form::DayHourMinuteLocal, 9, 23, 45, 0}, ""}},
      {"@234517h4903.50N/07201.75W-",
       {kPosition, true, AprsTimestamp{Form::HourMinuteSecondUtc, 0, 23, 45, 17}, ""}},
      // Compressed, the overlay digit 2 sent as the letter c.
      {"/092345zc5L!!<<!!>{?!RNG0020", {{49.5, -72, '2', '>', 0}, false, kStamp, "RNG0020", true}},
      {"=/5L!!<<!!>7P[", {{49.5, -72, '/', '>', 0}, true, std::nullopt, "", true}}};
  for (const auto& [info, report] : reports) EXPECT_EQ(ParsePositionReport(info), report) << info;
}

TEST(AprsPosition, FormatsRoundedToHundredthsOfAMinute) {
  EXPECT_EQ(FormatAprsPosition(kPosition), "4903.50N/07201.75W-");
  EXPECT_EQ(FormatAprsPosition({-0.0, 0.0, '\\', 'O', 0}), "0000.00N\\00000.00EO");
  EXPECT_EQ(FormatAprsPosition({49.999999, -72.999999, 'A', '#', 2}), "5000.  NA07300.  W#");
  for (const std::string blurred : {"4903.5 N/07201.7 W-", "4903.  N/07201.  W-",
                                    "490 .  S/0720 .  E-", "49  .  N/072  .  W-"}) {
    EXPECT_EQ(FormatAprsPosition(ParseAprsPosition(blurred).value()), blurred);
  }
  // The middle of this blurred area would lie past the date line.
  EXPECT_FALSE(FormatAprsPosition({0, -179.999999, '/', '-', 2}));
  for (const AprsPosition bad : {AprsPosition{91, 0, '/', '-', 0},
                                 {0, 180.01, '/', '-', 0},
                                 {std::nan(""), 0, '/', '-', 0},
                                 {0, 0, '/', '-', 5},
                                 {0, 0, 'a', '-', 0},
                                 {0, 0, '/', ' ', 0}}) {
    EXPECT_FALSE(FormatAprsPosition(bad));
  }
}

TEST(AprsTimestamp, FormatsEachFormAndRefusesFieldsOutOfRange) {
  EXPECT_EQ(FormatAprsTimestamp({Form::DayHourMinuteUtc, 1, 2, 3, 59}), "010203z");
  EXPECT_EQ(FormatAprsTimestamp({Form::HourMinuteSecondUtc, 99, 23, 59, 59}), "235959h");
  EXPECT_FALSE(FormatAprsTimestamp({Form::DayHourMinuteLocal, 32, 0, 0, 0}));
  EXPECT_FALSE(FormatAprsTimestamp({Form::DayHourMinuteUtc, 1, 24, 0, 0}));
  EXPECT_FALSE(FormatAprsTimestamp({Form::HourMinuteSecondUtc, 0, 24, 0, 0}));
  EXPECT_FALSE(FormatAprsTimestamp({Form::HourMinuteSecondUtc, 0, 0, 0, -1}));
}

const AprsPosition kObjectPosition{49 + 3.5 / 60, -(72 + 1.75 / 60), '/', '$', 0};

TEST(ObjectReport, ReadsLiveAndKilledObjects) {
  EXPECT_EQ(ParseObjectReport(";LEADER   *092345z4903.50N/07201.75W$088/036 hi"),
            (ObjectReport{"LEADER", true, kStamp, kObjectPosition, "088/036 hi"}));
  EXPECT_EQ(ParseObjectReport(";MY OBJ   _092345z4903.50N/07201.75W$"),
            (ObjectReport{"MY OBJ", false, kStamp, kObjectPosition, ""}));
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
  EXPECT_EQ(FormatObjectReport({"BRV", true, kStamp, kObjectPosition, "Send ??"}),
            ";BRV      *092345z4903.50N/07201.75W$Send ??");
  EXPECT_EQ(FormatObjectReport({"BRV", false, kStamp, kObjectPosition, ""}),
            ";BRV      _092345z4903.50N/07201.75W$");
  for (const std::string name : {"", "TENCHARSXX", "BRV "}) {
    EXPECT_FALSE(FormatObjectReport({name, true, kStamp, kObjectPosition, ""})) << name;
  }
  const AprsTimestamp badStamp{Form::DayHourMinuteUtc, 9, 24, 0, 0};
  EXPECT_FALSE(FormatObjectReport({"BRV", true, badStamp, kObjectPosition, ""}));
}

}  // namespace
}  // namespace brevio
