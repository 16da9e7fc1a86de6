// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// The TNC2 line of a frame to write on a line-based link, with its LF; nothing when a CR or LF
// inside the frame would split it, so that no text can forge a line of its own.
std::optional<std::string> Tnc2OutputLine(const Tnc2Frame& frame);

}  // namespace brevio
