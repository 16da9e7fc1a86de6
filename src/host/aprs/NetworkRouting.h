// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// True for an APRS-IS q-construct ("qAC", "qAR", ...), in any letter case.
bool IsQConstruct(const std::string& call);

// Drops the first q-construct and everything after it: what follows it names APRS-IS servers
// and igates, not digipeaters the frame came through.
void DropNetworkRouting(std::vector<Digipeater>& path);

}  // namespace brevio
