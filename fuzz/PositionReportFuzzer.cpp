// SPDX-License-Identifier: GPL-3.0-or-later
// Information fields of position reports.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "host/aprs/PositionReport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  const std::string_view info = fuzz::AsText(data, size);
  const std::optional<PositionReport> report = ParsePositionReport(info);
  if (!report) return 0;

  std::string rewritten(info.substr(0, 1));
  if (report->timestamp) {
    const std::optional<std::string> timestamp = FormatAprsTimestamp(*report->timestamp);
    fuzz::Require(timestamp.has_value(), "a time stamp read can be written");
    rewritten += *timestamp;
  }
  // A compressed position is not written again: its own characters go back in.
  const std::optional<std::string> position =
      report->compressed ? std::optional(std::string(info.substr(rewritten.size(), 13)))
                         : FormatAprsPosition(report->position);
  fuzz::Require(position.has_value(), "a position read can be written");
  rewritten += *position + report->comment;
  fuzz::Require(ParsePositionReport(rewritten) == report, "a report written reads back the same");
  return 0;
}
