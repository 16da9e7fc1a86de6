// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/SenderPosition.h"

#include "host/aprs/DaoExtension.h"
#include "host/aprs/MicEPosition.h"
#include "host/aprs/NmeaPosition.h"
#include "host/aprs/PositionReport.h"

namespace brevio {

namespace {

// How far into a field that begins with no data type a "!" may still begin a position, as some
// TNCs' beacon texts put one after a few words.
constexpr std::size_t kLastBeaconPosition = 39;

// The data types the APRS references give a meaning, reserved ones included; telemetry is "T#".
bool IsDataType(std::string_view info) {
  static constexpr std::string_view kTypes = "\x1c\x1d!#$%&')*+,-./:;<=>?@[_`{}";
  return kTypes.find(info[0]) != std::string_view::npos || info.starts_with("T#");
}

std::optional<AprsPosition> ReportPosition(std::string_view info) {
  const std::optional<PositionReport> report = ParsePositionReport(info);
  if (!report) return std::nullopt;
  // A compressed position is finer than the extension would make it.
  if (report->compressed) return report->position;
  return ApplyDaoExtension(report->position, report->comment);
}

}  // namespace

std::optional<AprsPosition> ParseSenderPosition(std::string_view destination,
                                                std::string_view info) {
  if (info.empty()) return std::nullopt;
  if (const std::optional<AprsPosition> position = ReportPosition(info)) return position;
  if (const std::optional<AprsPosition> position = ParseMicEPosition(destination, info)) {
    return ApplyDaoExtension(*position, info.substr(kMicEInfoSize));
  }
  if (info[0] == '$') return ParseNmeaPosition(info);
  if (IsDataType(info)) return std::nullopt;
  const std::size_t bang = info.find('!');
  if (bang > kLastBeaconPosition) return std::nullopt;
  return ReportPosition(info.substr(bang));
}

}  // namespace brevio
