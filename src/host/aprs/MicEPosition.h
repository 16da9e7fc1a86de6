// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "host/aprs/AprsPosition.h"

namespace brevio {

// The bytes of a Mic-E information field that hold the position; a comment may follow.
inline constexpr std::size_t kMicEInfoSize = 9;

// Reads the position of a Mic-E report from the frame's destination address (an SSID after "-"
// does not count) and its information field: data type "`" (current) or "'" (old), then at least
// eight bytes. The destination's six characters give the latitude's digits, and in the last three
// N or S, the longitude's 100 degrees and W or E; the field's bytes 1 to 3 give the longitude's
// degrees, minutes and hundredths of a minute, bytes 7 and 8 the symbol code and table (an
// unknown one as kUnknownSymbolTable and kUnknownSymbolCode). Blanked latitude digits are the
// ambiguity, which blurs the longitude as much (as ParseAprsPosition does). Nothing for another
// data type, a short field, a destination character or longitude byte the encoding has no
// meaning for, or a position ParseAprsPosition refuses.
std::optional<AprsPosition> ParseMicEPosition(std::string_view destination, std::string_view info);

}  // namespace brevio
