// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "host/aprs/AprsPosition.h"

namespace brevio {

// Reads a raw GPS sentence sent as the information field: $ttRMC, $ttGGA or $ttGLL of any
// two-letter talker tt ($GP, $GN, $GL ...). The sentence must be whole (at least the fields its
// type defines: 12, 15 and 7), its checksum right when "*hh" ends it (blanks may follow), its fix
// valid (RMC and GLL status A, GGA quality above 0), its latitude DDMM.mmmm and longitude
// DDDMM.mmmm with N/S and E/W, minutes below 60 and the point on the globe. Nothing for anything
// else. A sentence names no symbol: the position carries the unknown one (kUnknownSymbol...).
std::optional<AprsPosition> ParseNmeaPosition(std::string_view info);

}  // namespace brevio
