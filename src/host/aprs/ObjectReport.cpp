// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/ObjectReport.h"

namespace brevio {

namespace {

constexpr std::size_t kNameWidth = 9;
constexpr std::size_t kStatusAt = 1 + kNameWidth;

}  // namespace

std::optional<std::string> FormatObjectReport(const ObjectReport& object) {
  if (object.name.empty() || object.name.size() > kNameWidth || object.name.back() == ' ') {
    return std::nullopt;
  }
  const std::optional<std::string> timestamp = FormatAprsTimestamp(object.timestamp);
  const std::optional<std::string> position = FormatAprsPosition(object.position);
  if (!timestamp || !position) return std::nullopt;
  std::string info = ";" + object.name;
  info.resize(kStatusAt, ' ');
  info += object.live ? '*' : '_';
  return info + *timestamp + *position + object.comment;
}

}  // namespace brevio
