#include <gtest/gtest.h>

#include "host/aprs/Tnc2Line.h"
#include "host/station/FrameSink.h"
#include "host/station/Tnc2LineReader.h"
#include "host/station/Tnc2OutputLine.h"

namespace brevio::test {
namespace {

using Lines = std::vector<std::string>;

class RecordingSink : public FrameSink {
 public:
  Lines lines;
  void FrameReceived(const Tnc2Frame& frame, std::optional<std::int16_t> port) override {
    lines.push_back(FormatTnc2Line(frame) + (port ? " port" : ""));
  }
};

TEST(Tnc2LineReader, CutsLinesAcrossChunksAtLfOrCrLf) {
  RecordingSink sink;
  Tnc2LineReader reader(sink);
  for (const char* chunk : {"N0CALL>APRS:>a\r", "\nN0", "CALL>APRS,WIDE1-1*:>b\n\n# comment\r\n",
                            "\r\nN0CALL>APRS:>c"}) {
    reader.Feed(chunk);
  }
  EXPECT_EQ(sink.lines, (Lines{"N0CALL>APRS:>a", "N0CALL>APRS,WIDE1-1*:>b"}));
  reader.Finish();
  EXPECT_EQ(sink.lines.back(), "N0CALL>APRS:>c");
  EXPECT_EQ(reader.FramesRead(), 3u);
  EXPECT_EQ(reader.MalformedDropped(), 0u);
}

TEST(Tnc2LineReader, OverlongAndMalformedLinesAreDroppedAndCounted) {
  RecordingSink sink;
  Tnc2LineReader reader(sink);
  const std::string head = "N0CALL>APRS:>";
  const std::string longest = head + std::string(Tnc2LineReader::kMaxLine - head.size(), 'x');
  reader.Feed(longest + "\r\n" + longest + "y\n" + longest + "yy\r\nno frame here\n>:\n");
  reader.Feed(std::string(2000, 'z'));
  reader.Finish();
  EXPECT_EQ(sink.lines, Lines{longest});
  EXPECT_EQ(reader.OverlongDropped(), 3u);
  EXPECT_EQ(reader.MalformedDropped(), 2u);
}

TEST(Tnc2OutputLine, EndsWithLfAndRefusesFramesThatALineEndWouldSplit) {
  EXPECT_EQ(Tnc2OutputLine({"N0CALL-10", "APZBRV", {{"WIDE", false}}, ":N0CALL   :x{1"}),
            "N0CALL-10>APZBRV,WIDE::N0CALL   :x{1\n");
  EXPECT_EQ(Tnc2OutputLine({"N0CALL", "APRS", {}, ">a\nN0CALL>APRS:forged"}), std::nullopt);
  EXPECT_EQ(Tnc2OutputLine({"N0CALL", "APRS", {}, ">a\r"}), std::nullopt);
}

}  // namespace
}  // namespace brevio::test
