// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/aprs/CallSign.h"
#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// An AX.25 frame carries at most this many digipeaters.
inline constexpr std::size_t kMaxAx25Digipeaters = 8;

// Reads one TNC2 monitor line (without its line end): SOURCE>DESTINATION[,DIGI[*]...]:info.
// The header ends at the first ":"; everything after it is the information field, byte for byte.
// A "*" may follow any digipeater; it marks that one and every earlier one as repeated. Under
// CallSignRule::Ax25 every call must fit AX.25 and the path holds at most 8 digipeaters; under
// CallSignRule::AprsIs calls are checked only for the TNC2 separators and the path is not
// bounded. Nothing for a line that does not have this shape.
std::optional<Tnc2Frame> ParseTnc2Line(std::string_view line, CallSignRule rule);

// The TNC2 monitor line of `frame` (without a line end), "*" after the last repeated digipeater.
std::string FormatTnc2Line(const Tnc2Frame& frame);

}  // namespace brevio
