// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// True when the frame carries another station's frame ("}" information field).
bool IsThirdParty(const Tnc2Frame& frame);

// The frame inside a third-party frame, as heard from its own source: its path is the outer
// frame's (the radio hops it really came), its own network routing is left out. Nothing when the
// inner header is malformed or the inner frame is third-party again.
std::optional<Tnc2Frame> UnwrapThirdParty(const Tnc2Frame& outer);

}  // namespace brevio
