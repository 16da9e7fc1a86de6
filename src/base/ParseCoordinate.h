// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace brevio {

struct ParsedCoordinate {
  // Signed minutes of arc, north and east positive.
  float minutesOfArc = 0.0f;
  // True only for the exact APRS layout (DDMM.hhN/S or DDDMM.hhE/W, digits where digits belong,
  // minutes below 60, within the poles and the date line). Anything else still gives a number,
  // read as far as it goes, but a caller that needs a real position must not trust it.
  bool wellFormed = false;
};

// APRS coordinate text (such as 4903.50N or 07201.75W) to signed minutes of arc.
ParsedCoordinate ParseCoordinate(std::string_view text);

}  // namespace brevio
