#include <gtest/gtest.h>

#include <cmath>

#include "base/AnsiText.h"
#include "base/Clock.h"
#include "base/DefaultPort.h"
#include "base/NumberText.h"
#include "base/ParseCoordinate.h"
#include "base/PathText.h"

namespace brevio {
namespace {

TEST(AnsiTextTest, UpperCasesAsciiAndCodePageLettersOnly) {
  EXPECT_EQ(UpperCase("?help me 1{2}"), "?HELP ME 1{2}");
  // a grave to thorn less the division sign, y diaeresis, s and z caron, oe; sharp s and the
  // capitals stay.
  EXPECT_EQ(UpperCase("\xe0\xe9\xfe\xf7\xff\x9a\x9e\x9c\xdf\xc0\x8a"),
            "\xc0\xc9\xde\xf7\x9f\x8a\x8e\x8c\xdf\xc0\x8a");
  EXPECT_EQ(UpperCase(std::string("a\0b", 3)), std::string("A\0B", 3));
}

TEST(NumberTextTest, ReadsTheLeadingDecimalNumber) {
  EXPECT_DOUBLE_EQ(LeadingDecimalNumber("2.5"), 2.5);
  EXPECT_DOUBLE_EQ(LeadingDecimalNumber("10.05"), 10.05);
  EXPECT_DOUBLE_EQ(LeadingDecimalNumber("  -12.75abc"), -12.75);
  EXPECT_DOUBLE_EQ(LeadingDecimalNumber("+7"), 7.0);
  EXPECT_DOUBLE_EQ(LeadingDecimalNumber(".5"), 0.5);
  EXPECT_DOUBLE_EQ(LeadingDecimalNumber("abc"), 0.0);
  EXPECT_DOUBLE_EQ(LeadingDecimalNumber("-"), 0.0);
  EXPECT_DOUBLE_EQ(LeadingDecimalNumber("."), 0.0);
  EXPECT_DOUBLE_EQ(LeadingDecimalNumber(""), 0.0);
  EXPECT_DOUBLE_EQ(LeadingDecimalNumber("1e3"), 1.0);
  EXPECT_EQ(LeadingDecimalNumber(std::string(400, '9')), HUGE_VAL);
  EXPECT_EQ(LeadingDecimalNumber("-" + std::string(400, '9')), -HUGE_VAL);
  EXPECT_DOUBLE_EQ(LeadingDecimalNumber("0." + std::string(400, '0') + "1"), 0.0);
}

// The leading number rounded half to even, 0 when the text has none, nothing beyond 16 bits.
TEST(NumberTextTest, DefaultPortIsTheLeadingNumberRoundedHalfToEven) {
  const std::pair<const char*, std::optional<std::int16_t>> ports[] = {
      {"2.5", 2},      {"3.5", 4},     {"abc", 0},          {"", 0},
      {"7 (VHF)", 7},  {"-2.5", -2},   {"32767.49", 32767}, {"-32768.5", -32768},
      {"32767.5", {}}, {"-32769", {}}, {"1e9", 1}};
  for (const auto& [text, port] : ports) EXPECT_EQ(DefaultPortFromText(text), port) << text;
}

TEST(PathTextTest, JoinsAsTextWithoutNormalising) {
  const std::string separator(1, kPathSeparator);
  EXPECT_EQ(JoinPath("dir" + separator, "brv.txt"), "dir" + separator + separator + "brv.txt");
  EXPECT_EQ(JoinPath("", "brv.txt"), separator + "brv.txt");
}

TEST(TicksBetweenTest, IsRightAcrossTheSignChangeAndTheWrap) {
  EXPECT_EQ(TicksBetween(1000, 61000), 60000);
  EXPECT_EQ(TicksBetween(INT32_MAX - 9999, INT32_MIN + 50000), 60000);  // sign change
  EXPECT_EQ(TicksBetween(-30000, 30000), 60000);                        // wrap to zero
  EXPECT_EQ(TicksBetween(61000, 1000), -60000);
}

// Signed minutes of arc, two tail digits assumed whatever the tail holds. Whatever the text, a
// number comes back and nothing past the text is read; only the exact layout is well formed.
TEST(ParseCoordinateTest, GivesSignedMinutesOfArcAndWhetherTheTextIsAPosition) {
  const struct {
    const char* text;
    float minutes;
    bool wellFormed;
  } coordinates[] = {
      {"5212.34N", 3132.34f, true},
      {"5212.34S", -3132.34f, true},
      {"00512.34W", -312.34f, true},
      {"07201.75E", 4321.75f, true},
      {"9000.00S", -5400.0f, true},
      {"18000.00W", -10800.0f, true},
      {"5212.345N", 3135.45f, true},
      {"5212.5N", 3132.05f, true},
      {"5212.34n", 0.34f, false},
      {"5212.345", 0.34f, false},  // lower case, no letter
      {"", 0.0f, false},
      {"N", 0.0f, false},
      {".", 0.0f, false},
      {"5212N", 3132.0f, false},  // no point
      {"5212.N", 3132.0f, false},
      {"5212.", 0.0f, false},  // no tail, point last
      {"52.34N", 3120.34f, false},
      {"5x12.34N", 312.34f, false},
      {"5260.00N", 3180.0f, false},
      {"9100.00N", 5460.0f, false},     // 60 minutes, past the pole
      {"99999.99E", 60039.99f, false},  // no 16-bit overflow
  };
  for (const auto& [text, minutes, wellFormed] : coordinates) {
    const ParsedCoordinate parsed = ParseCoordinate(text);
    EXPECT_FLOAT_EQ(parsed.minutesOfArc, minutes) << text;
    EXPECT_EQ(parsed.wellFormed, wellFormed) << text;
  }
}

}  // namespace
}  // namespace brevio
