// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/AprsIsLineReader.h"

#include "host/aprs/Tnc2Line.h"

namespace brevio {

std::vector<AprsIsLine> AprsIsLineReader::Feed(std::string_view bytes) {
  std::vector<AprsIsLine> lines;
  for (const std::string& line : splitter_.Feed(bytes)) TakeLine(line, lines);
  return lines;
}

void AprsIsLineReader::Reset() {
  splitter_.Finish();
}

void AprsIsLineReader::TakeLine(std::string_view line, std::vector<AprsIsLine>& lines) {
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
