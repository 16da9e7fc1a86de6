#include "host/station/Tnc2LineReader.h"

#include "host/aprs/Tnc2Line.h"

namespace brevio {

void Tnc2LineReader::Feed(std::string_view bytes) {
  for (const char c : bytes) {
    if (c == '\n') {
      if (!discarding_) TakeLine();
      discarding_ = false;
      line_.clear();
    } else if (!discarding_) {
      line_.push_back(c);
      // One byte over the bound may still be the CR of a CR LF.
      if (line_.size() > kMaxLine + 1 || (line_.size() == kMaxLine + 1 && c != '\r')) {
        discarding_ = true;
        ++overlongDropped_;
        line_.clear();
      }
    }
  }
}

void Tnc2LineReader::Finish() {
  if (!discarding_) TakeLine();
  discarding_ = false;
  line_.clear();
}

void Tnc2LineReader::TakeLine() {
  std::string_view line = line_;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
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
