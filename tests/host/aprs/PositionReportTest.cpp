#include <gtest/gtest.h>

#include <cmath>

#include "host/aprs/PositionReport.h"
#include "support/Mutations.h"

namespace brevio {
namespace {

using Form = AprsTimestamp::Form;

const AprsPosition kPosition{49 + 3.5 / 60, -(72 + 1.75 / 60), '/', '-', 0};

TEST(PositionReport, ReadsEachDataTypeInSignedDegrees) {
  EXPECT_EQ(ParsePositionReport("!4903.50N/07201.75W-Test 123"),
            (PositionReport{kPosition, false, std::nullopt, "Test 123"}));
  EXPECT_EQ(
      ParsePositionReport("=4903.50S\\07201.75E>"),
      (PositionReport{
          {-kPosition.latitude, -kPosition.longitude, '\\', '>', 0}, true, std::nullopt, ""}));
  EXPECT_EQ(ParsePositionReport("/092345z4903.50N/07201.75W-088/036"),
            (PositionReport{kPosition, false, AprsTimestamp{Form::DayHourMinuteUtc, 9, 23, 45, 0},
                            "088/036"}));
  EXPECT_EQ(ParsePositionReport("@092345/4903.50N/07201.75W-")->timestamp,
            (AprsTimestamp{Form::DayHourMinuteLocal, 9, 23, 45, 0}));
  EXPECT_EQ(ParsePositionReport("@234517h4903.50N/07201.75W-"),
            (PositionReport{kPosition, true,
                            AprsTimestamp{Form::HourMinuteSecondUtc, 0, 23, 45, 17}, ""}));
}

struct AmbiguityCase {
  const char* info;
  int ambiguity;
  double latitude;
  double longitude;
};

class PositionAmbiguity : public ::testing::TestWithParam<AmbiguityCase> {};

// A blurred position reads as the middle of its area, and the longitude is blurred as much as
// the latitude whatever digits it shows.
TEST_P(PositionAmbiguity, GivesTheMiddleOfTheBlurredArea) {
  const auto report = ParsePositionReport(GetParam().info);
  ASSERT_TRUE(report) << GetParam().info;
  EXPECT_EQ(report->position.ambiguity, GetParam().ambiguity);
  EXPECT_DOUBLE_EQ(report->position.latitude, GetParam().latitude);
  EXPECT_DOUBLE_EQ(report->position.longitude, GetParam().longitude);
  EXPECT_EQ(FormatAprsPosition(report->position), std::string(GetParam().info + 1, 19));
}

INSTANTIATE_TEST_SUITE_P(
    Levels, PositionAmbiguity,
    ::testing::Values(AmbiguityCase{"!4903.5 N/07201.7 W-", 1, 49 + 3.55 / 60, -(72 + 1.75 / 60)},
                      AmbiguityCase{"!4903.  N/07201.  W-", 2, 49 + 3.5 / 60, -(72 + 1.5 / 60)},
                      AmbiguityCase{"!490 .  S/0720 .  E-", 3, -(49 + 5.0 / 60), 72 + 5.0 / 60},
                      AmbiguityCase{"!49  .  N/072  .  W-", 4, 49.5, -72.5}));

TEST(PositionReport, LongitudeTakesTheLatitudesAmbiguity) {
  const auto report = ParsePositionReport("!49  .  N/07201.75W-");
  ASSERT_TRUE(report);
  EXPECT_EQ(report->position.ambiguity, 4);
  EXPECT_DOUBLE_EQ(report->position.longitude, -72.5);
}

TEST(PositionReport, RefusesMalformedReports) {
  for (const std::string info :
       {"", "!", ">status", "!4903.50N/07201.75W", "!49 3.50N/07201.75W-", "!4903. 0N/07201.75W-",
        "!4960.00N/07201.75W-", "!9100.00N/07201.75W-", "!90  .  N/07201.75W-",
        "!4903.50X/07201.75W-", "!4903,50N/07201.75W-", "!4903.50N/18100.00W-",
        "!4903.50Na07201.75W-", "!4903.50N/07201.75W ", "/092345x4903.50N/07201.75W-",
        "/092545z4903.50N/07201.75W-", "/0923z4903.50N/07201.75W-", "!/5L!!<*e7>7P[",
        "!4903.50N/07201.75W\xff"}) {
    EXPECT_FALSE(ParsePositionReport(info)) << info;
  }
}

TEST(AprsPosition, FormatsRoundedToHundredthsOfAMinute) {
  EXPECT_EQ(FormatAprsPosition(kPosition), "4903.50N/07201.75W-");
  EXPECT_EQ(FormatAprsPosition({-0.0, 0.0, '\\', 'O', 0}), "0000.00N\\00000.00EO");
  EXPECT_EQ(FormatAprsPosition({49.999999, -72.999999, 'A', '#', 2}), "5000.  NA07300.  W#");
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
  EXPECT_FALSE(FormatAprsTimestamp({Form::HourMinuteSecondUtc, 0, 0, 0, -1}));
}

TEST(PositionReport, RandomFieldsParseSafelyAndFormatBackConsistently) {
  const auto format = [](const PositionReport& report, const std::string& input) {
    const auto position = FormatAprsPosition(report.position);
    const std::string stamp =
        report.timestamp ? FormatAprsTimestamp(*report.timestamp).value() : "";
    return position ? std::optional(input.substr(0, 1) + stamp + *position + report.comment)
                    : std::nullopt;
  };
  EXPECT_GT(test::ExpectRoundTrips({"!4903.50N/07201.75W-Test", "@092345z4903.5 N\\07201.7 W>x",
                                    "/234517h49  .  S/072  .  E#"},
                                   ParsePositionReport, format),
            100u);
}

}  // namespace
}  // namespace brevio
