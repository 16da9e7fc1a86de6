#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/aprs/AprsPosition.h"
#include "host/aprs/AprsTimestamp.h"

namespace brevio {

// A position report with an uncompressed position: !POSITION, =POSITION, /TIMEPOSITION or
// @TIMEPOSITION, each followed by a free comment.
struct PositionReport {
  AprsPosition position;
  // The station takes APRS messages ("=" and "@").
  bool messaging = false;
  // Present for "/" and "@".
  std::optional<AprsTimestamp> timestamp;
  // Everything after the symbol code, byte for byte.
  std::string comment;

  bool operator==(const PositionReport&) const = default;
};

// Reads an information field. Nothing for other data types, for compressed positions and for
// any malformed time stamp or position (see ParseAprsTimestamp and ParseAprsPosition).
std::optional<PositionReport> ParsePositionReport(std::string_view info);

}  // namespace brevio
