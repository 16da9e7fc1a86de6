// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/aprs/AprsPosition.h"
#include "host/aprs/AprsTimestamp.h"

namespace brevio {

// A position report: !POSITION, =POSITION, /TIMEPOSITION or @TIMEPOSITION, each followed by a
// free comment; the position uncompressed or compressed.
struct PositionReport {
  AprsPosition position;
  // The station takes APRS messages ("=" and "@").
  bool messaging = false;
  // Present for "/" and "@".
  std::optional<AprsTimestamp> timestamp;
  // Everything after the position, byte for byte.
  std::string comment;
  // The position came compressed (see ParseCompressedPosition).
  bool compressed = false;

  bool operator==(const PositionReport&) const = default;
};

// Reads an information field. A digit after the data type and time stamp begins an uncompressed
// position, anything else a compressed one. Nothing for other data types and for any malformed
// time stamp or position (see ParseAprsTimestamp, ParseAprsPosition and ParseCompressedPosition).
std::optional<PositionReport> ParsePositionReport(std::string_view info);

}  // namespace brevio
