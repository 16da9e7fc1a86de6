// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "host/aprs/AprsPosition.h"

namespace brevio {

inline constexpr std::size_t kCompressedPositionSize = 13;

// Reads the 13 characters of a compressed position: the symbol table, the latitude and the
// longitude in four base-91 digits each ('!' to '{'), the symbol code, then three bytes of course
// and speed, radio range or altitude (none after a blank), which are base-91 digits too and which
// the position itself does not need. The overlay digits a to j of the table read as 0 to 9; the
// ambiguity is 0. Nothing for a character out of its range, or a point past a pole or the date
// line.
std::optional<AprsPosition> ParseCompressedPosition(std::string_view text);

}  // namespace brevio
