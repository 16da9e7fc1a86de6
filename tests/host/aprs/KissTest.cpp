// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "host/aprs/KissDeframer.h"

namespace brevio {
namespace {

using namespace std::string_literals;

// Payload letters are no hex digits, so that no escape runs on into them.
TEST(KissFrame, EscapesFendAndFescAndPutsThePortInTheHighNibble) {
  EXPECT_EQ(EncodeKissFrame(0, "z\xC0y\xDBx"), "\xC0\x00z\xDB\xDCy\xDB\xDDx\xC0"s);
  EXPECT_EQ(EncodeKissFrame(3, ""), "\xC0\x30\xC0"s);
  EXPECT_EQ(EncodeKissFrame(12, "x"), "\xC0\xDB\xDCx\xC0"s);  // type byte 0xC0, escaped
  EXPECT_FALSE(EncodeKissFrame(16, "x"));
  EXPECT_FALSE(EncodeKissFrame(-1, "x"));
}

TEST(KissDeframer, RebuildsFramesFedOneByteAtATime) {
  const std::string stream = "noise" + EncodeKissFrame(0, "z\xC0y\xDB").value() + "\xC0\xC0"s +
                             EncodeKissFrame(12, "\xDC\xDD").value();
  KissDeframer deframer;
  std::vector<KissFrame> frames;
  for (const char c : stream) {
    for (KissFrame& frame : deframer.Feed(std::string(1, c))) frames.push_back(frame);
  }
  EXPECT_EQ(frames, (std::vector<KissFrame>{{0, "z\xC0y\xDB"}, {12, "\xDC\xDD"}}));
  EXPECT_EQ(deframer.MalformedDropped() + deframer.OverlongDropped(), 0u);
}

TEST(KissDeframer, DropsAndCountsBadEscapesAndSkipsOtherCommands) {
  KissDeframer deframer;
  const auto frames = deframer.Feed(
      "\xC0\x00z\xDBy\xC0"  // FESC then a plain byte
      "\xC0\x00z\xDB\xC0"   // FESC then FEND
      "\xC0\x01\x20\xC0"    // TXDELAY
      "\xC0\x00ok\xC0"s);
  EXPECT_EQ(frames, (std::vector<KissFrame>{{0, "ok"}}));
  EXPECT_EQ(deframer.MalformedDropped(), 2u);
  EXPECT_EQ(deframer.OtherCommandsSkipped(), 1u);
}

TEST(KissDeframer, DropsAFrameLongerThanItsBoundAndRecovers) {
  KissDeframer deframer(4);
  const auto frames = deframer.Feed("\xC0\x00wxyz\xC0\x00stuvwxyz\xC0\x00pq\xC0"s);
  EXPECT_EQ(frames, (std::vector<KissFrame>{{0, "wxyz"}, {0, "pq"}}));
  EXPECT_EQ(deframer.OverlongDropped(), 1u);
}

}  // namespace
}  // namespace brevio
