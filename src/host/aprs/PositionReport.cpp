#include "host/aprs/PositionReport.h"

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
  const std::optional<AprsPosition> position = ParseAprsPosition(rest.substr(0, kAprsPositionSize));
  if (!position) return std::nullopt;
  report.position = *position;
  report.comment = std::string(rest.substr(kAprsPositionSize));
  return report;
}

}  // namespace brevio
