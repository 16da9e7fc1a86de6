// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/Tnc2Line.h"

#include <vector>

namespace brevio {

namespace {

// The parts of `text` between commas; an empty text is one empty part.
std::vector<std::string_view> SplitAtCommas(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t comma = text.find(','); comma != std::string_view::npos;
       comma = text.find(',', start)) {
    parts.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

std::optional<Tnc2Frame> ParseTnc2Line(std::string_view line, CallSignRule rule) {
  const std::size_t colon = line.find(':');
  const std::size_t arrow = line.find('>');
  if (colon == std::string_view::npos || arrow == std::string_view::npos || arrow > colon) {
    return std::nullopt;
  }
  const std::string_view source = line.substr(0, arrow);
  const std::vector<std::string_view> addresses =
      SplitAtCommas(line.substr(arrow + 1, colon - arrow - 1));
  if (!IsValidCallSign(source, rule) || !IsValidCallSign(addresses.front(), rule)) {
    return std::nullopt;
  }
  if (rule == CallSignRule::Ax25 && addresses.size() - 1 > kMaxAx25Digipeaters) {
    return std::nullopt;
  }
  Tnc2Frame frame{
      std::string(source), std::string(addresses.front()), {}, std::string(line.substr(colon + 1))};
  for (std::size_t i = 1; i < addresses.size(); ++i) {
    std::string_view call = addresses[i];
    const bool starred = !call.empty() && call.back() == '*';
    if (starred) call.remove_suffix(1);
    if (!IsValidCallSign(call, rule)) return std::nullopt;
    frame.path.push_back({std::string(call), starred});
  }
  MarkEarlierDigipeatersRepeated(frame.path);
  return frame;
}

std::string FormatTnc2Line(const Tnc2Frame& frame) {
  std::size_t repeatedCount = 0;
  for (std::size_t i = 0; i < frame.path.size(); ++i) {
    if (frame.path[i].repeated) repeatedCount = i + 1;
  }
  std::string line = frame.source + ">" + frame.destination;
  for (std::size_t i = 0; i < frame.path.size(); ++i) {
    line += "," + frame.path[i].call;
    if (i + 1 == repeatedCount) line += "*";
  }
  return line + ":" + frame.info;
}

}  // namespace brevio
