#include <gtest/gtest.h>

#include "base/ParseCoordinate.h"

namespace brevio {
namespace {

struct CoordinateCase {
  const char* text;
  float minutes;
  bool wellFormed;
};

class ParseCoordinateTest : public ::testing::TestWithParam<CoordinateCase> {};

TEST_P(ParseCoordinateTest, GivesSignedMinutesOfArc) {
  const ParsedCoordinate parsed = ParseCoordinate(GetParam().text);
  EXPECT_FLOAT_EQ(parsed.minutesOfArc, GetParam().minutes) << GetParam().text;
  EXPECT_EQ(parsed.wellFormed, GetParam().wellFormed) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(AprsLayout, ParseCoordinateTest,
                         ::testing::Values(CoordinateCase{"5212.34N", 3132.34f, true},
                                           CoordinateCase{"5212.34S", -3132.34f, true},
                                           CoordinateCase{"00512.34W", -312.34f, true},
                                           CoordinateCase{"07201.75E", 4321.75f, true},
                                           CoordinateCase{"9000.00S", -5400.0f, true},
                                           CoordinateCase{"18000.00W", -10800.0f, true}));

// Two tail digits are assumed, whatever the tail holds.
INSTANTIATE_TEST_SUITE_P(TailDigits, ParseCoordinateTest,
                         ::testing::Values(CoordinateCase{"5212.345N", 3135.45f, true},
                                           CoordinateCase{"5212.5N", 3132.05f, true}));

// Whatever the text, a number comes back and nothing past the text is read; only the exact
// layout counts as a position.
INSTANTIATE_TEST_SUITE_P(
    Malformed, ParseCoordinateTest,
    ::testing::Values(CoordinateCase{"5212.34n", 0.34f, false},  // lower-case letter
                      CoordinateCase{"5212.345", 0.34f, false},  // ends in a digit
                      CoordinateCase{"", 0.0f, false}, CoordinateCase{"N", 0.0f, false},
                      CoordinateCase{".", 0.0f, false},
                      CoordinateCase{"5212N", 3132.0f, false},    // no point
                      CoordinateCase{"5212.N", 3132.0f, false},   // no tail
                      CoordinateCase{"5212.", 0.0f, false},       // point last
                      CoordinateCase{"52.34N", 3120.34f, false},  // short head
                      CoordinateCase{"5x12.34N", 312.34f, false},
                      CoordinateCase{"5260.00N", 3180.0f, false},    // 60 minutes
                      CoordinateCase{"9100.00N", 5460.0f, false},    // past the pole
                      CoordinateCase{"99999.99E", 60039.99f, false}  // no 16-bit overflow
                      ));

}  // namespace
}  // namespace brevio
