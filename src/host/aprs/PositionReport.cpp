// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/PositionReport.h"

#include "host/aprs/CompressedPosition.h"

namespace brevio {

std::optional<PositionReport> ParsePositionReport(std::string_view info) {
  if (info.empty()) return std::nullopt;
  const char type = info[0];
  if (type != '!' && type != '=' && type != '/' && type != '@') return std::nullopt;
  PositionReport report;
  report.messaging = type == '=' || type == '@';
  std::string_view rest = info.substr(1);
  if (type == '/' || type == '@') {
    report.timestamp = ParseAprsTimestamp(rest.substr(0, kAprsTimestampSize));
    if (!report.timestamp) return std::nullopt;
    rest.remove_prefix(kAprsTimestampSize);
  }
  report.compressed = !rest.empty() && (rest[0] < '0' || rest[0] > '9');
  const std::size_t size = report.compressed ? kCompressedPositionSize : kAprsPositionSize;
  const std::optional<AprsPosition> position = report.compressed
                                                   ? ParseCompressedPosition(rest.substr(0, size))
                                                   : ParseAprsPosition(rest.substr(0, size));
  if (!position) return std::nullopt;
  report.position = *position;
  report.comment = std::string(rest.substr(size));
  return report;
}

}  // namespace brevio
