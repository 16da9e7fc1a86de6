// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// The line that sends `frame` to an APRS-IS server, with CR LF. The radio path of the frame
// means nothing on the network, so it is replaced with "TCPIP*", the path of a frame that a
// logged-in client sends itself (the server then adds its qAC construct). Nothing when a CR or
// LF inside the frame would split the line, or when the line would pass the servers' bound.
std::optional<std::string> AprsIsOutputLine(const Tnc2Frame& frame);

}  // namespace brevio
