#include "host/station/Tnc2LineReader.h"

#include "host/aprs/Tnc2Line.h"

namespace brevio {

void Tnc2LineReader::Feed(std::string_view bytes) {
  for (const std::string& line : splitter_.Feed(bytes)) TakeLine(line);
}

void Tnc2LineReader::Finish() {
  if (const auto rest = splitter_.Finish()) TakeLine(*rest);
}

void Tnc2LineReader::TakeLine(std::string_view line) {
  if (line.empty() || line.front() == '#') return;
  const auto frame = ParseTnc2Line(line, CallSignRule::AprsIs);
  if (!frame) {
    ++malformedDropped_;
    return;
  }
  ++framesRead_;
  sink_.FrameReceived(*frame, std::nullopt);
}

}  // namespace brevio
