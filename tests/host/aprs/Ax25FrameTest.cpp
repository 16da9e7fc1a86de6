// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "host/aprs/Ax25Frame.h"

namespace brevio {
namespace {

using namespace std::string_literals;

// N0CALL-15 > APRS via WIDE1-1*, "!x", written out by hand.
const std::string kDestination = "\x82\xA0\xA4\xA6\x40\x40\xE0"s;  // APRS, C bit set
const std::string kSource = "\x9C\x60\x86\x82\x98\x98\x7E"s;       // N0CALL-15, C bit clear
const std::string kWide1 = "\xAE\x92\x88\x8A\x62\x40"s;            // WIDE1 before its SSID byte
const std::string kUiAprs = "\x03\xF0"s;
const std::string kLastSource = "\x9C\x60\x86\x82\x98\x98\x7F"s;  // N0CALL-15, last address

std::string DigiAddress(unsigned char ssidByte) {
  return kWide1 + static_cast<char>(ssidByte);
}

TEST(Ax25Frame, EncodesCallsShiftedWithSsidCommandAndHBits) {
  const Tnc2Frame frame{"N0CALL-15", "APRS", {{"WIDE1-1", true}}, "!x"};
  const std::string bytes = kDestination + kSource + DigiAddress(0xE3) + kUiAprs + "!x";
  EXPECT_EQ(EncodeAx25UiFrame(frame), bytes);
  EXPECT_EQ(DecodeAx25UiFrame(bytes).frame, frame);
  // Without a path the source carries the last-address bit; SSID 0 is written without "-0".
  EXPECT_EQ(EncodeAx25UiFrame({"N0CALL-0", "APRS", {}, ""}),
            kDestination + "\x9C\x60\x86\x82\x98\x98\x61"s + kUiAprs);
  EXPECT_EQ(
      DecodeAx25UiFrame(kDestination + "\x9C\x60\x86\x82\x98\x98\x61"s + kUiAprs).frame->source,
      "N0CALL");
}

TEST(Ax25Frame, HBitOnALaterDigipeaterMarksTheEarlierOnesRepeated) {
  const auto decoded = DecodeAx25UiFrame(kDestination + kSource + DigiAddress(0x62) +
                                         DigiAddress(0xE3) + kUiAprs + "x");
  ASSERT_TRUE(decoded.frame) << decoded.fault;
  EXPECT_EQ(decoded.frame->path, (std::vector<Digipeater>{{"WIDE1-1", true}, {"WIDE1-1", true}}));
}

TEST(Ax25Frame, EightDigipeatersFitAndNineDoNot) {
  Tnc2Frame frame{"N0CALL", "APRS", std::vector<Digipeater>(8, {"WIDE2-2", false}), "x"};
  const auto bytes = EncodeAx25UiFrame(frame);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(DecodeAx25UiFrame(*bytes).frame, frame);
  frame.path.push_back({"WIDE2-2", false});
  EXPECT_FALSE(EncodeAx25UiFrame(frame));
  std::string nine = kDestination + kSource;
  for (int i = 0; i < 9; ++i) nine += DigiAddress(i == 8 ? 0x63 : 0x62);
  EXPECT_EQ(DecodeAx25UiFrame(nine + kUiAprs).fault, "more than 8 digipeaters");
}

TEST(Ax25Frame, RefusesMalformedFramesWithTheirReasons) {
  const std::pair<std::string, const char*> faults[] = {
      {"", "frame ends inside the address field"},
      {kDestination + kSource.substr(0, 3), "frame ends inside the address field"},
      {kDestination + kSource + kWide1, "frame ends inside the address field"},
      {"\x82\xA0\xA4\xA6\x40\x40\xE1"s + kSource + kUiAprs,
       "address field ends after the destination"},
      {kDestination + kLastSource, "frame ends before the control field"},
      {kDestination + kLastSource + "\x13\xF0"s, "control 0x13 is not a UI frame"},
      {kDestination + kLastSource + "\x03"s, "frame ends before the PID"},
      {kDestination + kLastSource + "\x03\xCF"s, "PID 0xCF is not 0xF0"},
      // Lower-case "n", a call after padding, an odd byte in the call, a blank call.
      {kDestination + "\xDC\x60\x86\x82\x98\x98\x7F\x03\xF0"s, "bad character in address 2"},
      {"\x82\x40\xA4\xA6\x40\x40\xE0"s + kSource + kUiAprs, "bad character in address 1"},
      {"\x83\xA0\xA4\xA6\x40\x40\xE0"s + kSource + kUiAprs, "bad character in address 1"},
      {"\x40\x40\x40\x40\x40\x40\xE0"s + kSource + kUiAprs, "bad character in address 1"}};
  for (const auto& [bytes, fault] : faults) {
    const Ax25Decoded decoded = DecodeAx25UiFrame(bytes);
    EXPECT_FALSE(decoded.frame) << fault;
    EXPECT_EQ(decoded.fault, fault);
  }
}

TEST(Ax25Frame, EncodingRefusesCallsThatDoNotFitAx25) {
  EXPECT_FALSE(EncodeAx25UiFrame({"N0CALL", "APRS", {{"qAR", false}}, "x"}));
  EXPECT_FALSE(EncodeAx25UiFrame({"TOOLONG", "APRS", {}, "x"}));
  EXPECT_FALSE(EncodeAx25UiFrame({"N0CALL-16", "APRS", {}, "x"}));
}

}  // namespace
}  // namespace brevio
