// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "host/aprs/AprsPosition.h"

namespace brevio {

// `position` made finer by the first !DAO! of `comment` (the extra precision stations add to an
// uncompressed or Mic-E position): "!Wxy!" adds the digits x and y as thousandths of a minute
// to the latitude and the longitude, "!wxy!" the base-91 digits x and y ('!' to '{') as
// 91sts of a hundredth of a minute, each away from the equator or the prime meridian. A
// construct with a character out of its range, or a blurred position (ambiguity above 0),
// leaves `position` as it is; so does a point the extra digits would push past a pole or the
// date line.
AprsPosition ApplyDaoExtension(AprsPosition position, std::string_view comment);

}  // namespace brevio
