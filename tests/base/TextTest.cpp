#include <gtest/gtest.h>

#include <cmath>

#include "base/AnsiText.h"
#include "base/Clock.h"
#include "base/DefaultPort.h"
#include "base/NumberText.h"
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

}  // namespace
}  // namespace brevio
