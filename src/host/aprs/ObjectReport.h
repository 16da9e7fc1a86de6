// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "host/aprs/AprsPosition.h"
#include "host/aprs/AprsTimestamp.h"

namespace brevio {

// An object report with an uncompressed position: ;NAME_____*DDHHMMzPOSITIONcomment, the name
// padded with blanks to 9 characters, "*" for a live object and "_" for a killed one.
struct ObjectReport {
  // 1 to 9 characters, without its padding blanks.
  std::string name;
  bool live = true;
  AprsTimestamp timestamp;
  AprsPosition position;
  // Everything after the symbol code, byte for byte.
  std::string comment;

  bool operator==(const ObjectReport&) const = default;
};

// The information field of `object`. Nothing when the name is empty, longer than 9 or ends in a
// blank (it would read back without it), or when the time stamp or position cannot be written.
std::optional<std::string> FormatObjectReport(const ObjectReport& object);

}  // namespace brevio
