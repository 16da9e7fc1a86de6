// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/Tnc2LineReader.h"

#include "host/aprs/Tnc2Line.h"

namespace brevio {

void Tnc2LineReader::Feed(std::string_view bytes) {
  const std::size_t overlongBefore = splitter_.OverlongDropped();
  const std::vector<std::string> lines = splitter_.Feed(bytes);
  TellOverlong(overlongBefore);
  for (const std::string& line : lines) TakeLine(line);
}

void Tnc2LineReader::Finish() {
  const std::size_t overlongBefore = splitter_.OverlongDropped();
  const std::optional<std::string> rest = splitter_.Finish();
  TellOverlong(overlongBefore);
  if (rest) TakeLine(*rest);
}

void Tnc2LineReader::TellOverlong(std::size_t before) {
  for (std::size_t n = before; n < splitter_.OverlongDropped(); ++n) sink_.FrameDropped();
}

void Tnc2LineReader::TakeLine(std::string_view line) {
  if (line.empty() || line.front() == '#') return;
  const auto frame = ParseTnc2Line(line, CallSignRule::AprsIs);
  if (!frame) {
    ++malformedDropped_;
    sink_.FrameDropped();
    return;
  }
  ++framesRead_;
  sink_.FrameReceived(*frame, std::nullopt);
}

}  // namespace brevio
