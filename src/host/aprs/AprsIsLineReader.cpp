#include "host/aprs/AprsIsLineReader.h"

#include "host/aprs/Tnc2Line.h"

namespace brevio {

std::vector<AprsIsLine> AprsIsLineReader::Feed(std::string_view bytes) {
  std::vector<AprsIsLine> lines;
  for (const char c : bytes) {
    if (c == '\n') {
      if (!discarding_) TakeLine(lines);
      Reset();
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
  return lines;
}

void AprsIsLineReader::Reset() {
  discarding_ = false;
  line_.clear();
}

void AprsIsLineReader::TakeLine(std::vector<AprsIsLine>& lines) {
  std::string_view line = line_;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty()) return;
  if (line.front() == '#') {
    if (auto response = ParseAprsIsLogResponse(line)) {
      lines.emplace_back(std::move(*response));
    } else {
      ++commentsSkipped_;
    }
    return;
  }
  if (auto frame = ParseTnc2Line(line, CallSignRule::AprsIs)) {
    lines.emplace_back(std::move(*frame));
  } else {
    ++malformedDropped_;
  }
}

}  // namespace brevio
