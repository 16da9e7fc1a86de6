// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ObjectReportReader.h"

namespace brevio::test {

namespace {

constexpr std::size_t kNameWidth = 9;
constexpr std::size_t kStatusAt = 1 + kNameWidth;
constexpr std::size_t kTimestampAt = kStatusAt + 1;
constexpr std::size_t kPositionAt = kTimestampAt + kAprsTimestampSize;
constexpr std::size_t kCommentAt = kPositionAt + kAprsPositionSize;

}  // namespace

std::optional<ObjectReport> ParseObjectReport(std::string_view info) {
  if (info.size() < kCommentAt || info[0] != ';') return std::nullopt;
  ObjectReport object;
  const std::string_view name = info.substr(1, kNameWidth);
  const std::size_t last = name.find_last_not_of(' ');
  if (last == std::string_view::npos) return std::nullopt;
  object.name = std::string(name.substr(0, last + 1));
  const char status = info[kStatusAt];
  if (status != '*' && status != '_') return std::nullopt;
  object.live = status == '*';
  const std::optional<AprsTimestamp> timestamp =
      ParseAprsTimestamp(info.substr(kTimestampAt, kAprsTimestampSize));
  const std::optional<AprsPosition> position =
      ParseAprsPosition(info.substr(kPositionAt, kAprsPositionSize));
  if (!timestamp || !position) return std::nullopt;
  object.timestamp = *timestamp;
  object.position = *position;
  object.comment = std::string(info.substr(kCommentAt));
  return object;
}

}  // namespace brevio::test
