#include <gtest/gtest.h>

#include "platform/AnsiQString.h"

namespace brevio {
namespace {

TEST(AnsiQStringTest, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
}

TEST(AnsiQStringTest, MapsTheCodePageLettersAndMarksWhatItLacks) {
  EXPECT_EQ(FromAnsi("\x80\xe9"), QString::fromUtf8("\u20ac\u00e9"));
  EXPECT_EQ(ToAnsi(QString::fromUtf8("\u0160\u4e2d")), "\x8a?");
}

}  // namespace
}  // namespace brevio
