// SPDX-License-Identifier: GPL-3.0-or-later
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
  const std::string nines(400, '9');
  const std::string tiny = "0." + std::string(400, '0') + "1";
  const std::pair<std::string, double> numbers[] = {
      {"2.5", 2.5}, {"10.05", 10.05},  {"  -12.75abc", -12.75},
      {"+7", 7.0},  {".5", 0.5},       {"abc", 0.0},
      {"-", 0.0},   {".", 0.0},        {"", 0.0},
      {"1e3", 1.0}, {nines, HUGE_VAL}, {"-" + nines, -HUGE_VAL},
      {tiny, 0.0}};
  for (const auto& [text, number] : numbers) {
    EXPECT_DOUBLE_EQ(LeadingDecimalNumber(text), number) << text;
  }
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
  EXPECT_EQ(JoinPath("dir" + separator, "brv.txt"), "dir" + separator + "brv.txt");
  EXPECT_EQ(JoinPath("a" + separator + separator, "b"), "a" + separator + separator + "b");
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
using Coordinates = std::vector<std::pair<std::string, float>>;

TEST(ParseCoordinateTest, GivesSignedMinutesOfArcAndWhetherTheTextIsAPosition) {
  const Coordinates positions = {{"5212.34N", 3132.34f},  {"5212.34S", -3132.34f},
                                 {"00512.34W", -312.34f}, {"07201.75E", 4321.75f},
                                 {"9000.00S", -5400.0f},  {"18000.00W", -10800.0f},
                                 {"5212.345N", 3135.45f}, {"5212.5N", 3132.05f}};
  // Lower case, no letter, a letter or a point alone, no point, no tail, nothing, 60 minutes,
  // past the pole, beyond 16 bits, a minute digit too many.
  const Coordinates others = {
      {"5212.34n", 0.34f},      {"5212.345", 0.34f},   {"N", 0.0f},           {".", 0.0f},
      {"5212N", 3132.0f},       {"5212.N", 3132.0f},   {"5212.", 0.0f},       {"", 0.0f},
      {"52.34N", 3120.34f},     {"5x12.34N", 312.34f}, {"5260.00N", 3180.0f}, {"9100.00N", 5460.0f},
      {"99999.99E", 60039.99f}, {"52123.4N", 3132.04f}};
  for (const auto& [rows, wellFormed] : {std::pair{&positions, true}, {&others, false}}) {
    for (const auto& [text, minutes] : *rows) {
      const ParsedCoordinate parsed = ParseCoordinate(text);
      EXPECT_FLOAT_EQ(parsed.minutesOfArc, minutes) << text;
      EXPECT_EQ(parsed.wellFormed, wellFormed) << text;
    }
  }
}

}  // namespace
}  // namespace brevio
