// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/Tnc2LineReader.h"

#include "host/aprs/Tnc2Line.h"

namespace brevio {

std::vector<Tnc2Frame> Tnc2LineReader::Feed(std::string_view bytes) {
  std::vector<Tnc2Frame> frames;
  for (const std::string& line : splitter_.Feed(bytes)) TakeLine(line, frames);
  return frames;
}

std::vector<Tnc2Frame> Tnc2LineReader::Finish() {
  std::vector<Tnc2Frame> frames;
  if (const std::optional<std::string> rest = splitter_.Finish()) TakeLine(*rest, frames);
  return frames;
}

void Tnc2LineReader::TakeLine(std::string_view line, std::vector<Tnc2Frame>& frames) {
  if (line.empty() || line.front() == '#') return;
  if (auto frame = ParseTnc2Line(line, CallSignRule::AprsIs)) {
    frames.push_back(std::move(*frame));
  } else {
    ++malformedDropped_;
  }
}

}  // namespace brevio
