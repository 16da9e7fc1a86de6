// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// A frame of the station's own: source `call`, destination `toCall` and the digipeaters of
// `path`, comma-separated. Throws HostCallFailed when the call or a digipeater cannot be sent.
Tnc2Frame StationEnvelope(const std::string& call, const std::string& toCall,
                          const std::string& path);

}  // namespace brevio
