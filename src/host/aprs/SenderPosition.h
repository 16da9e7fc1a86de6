// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "host/aprs/AprsPosition.h"

namespace brevio {

// Where the sender of a frame says it is, from the frame's destination address and information
// field: a position report in any of its forms (see ParsePositionReport), a Mic-E report (see
// ParseMicEPosition), either made finer by a !DAO! in its comment (see ApplyDaoExtension), or a
// raw GPS sentence (see ParseNmeaPosition). A field that begins with no data type may hold a
// "!" position report within its first 40 characters. Nothing for any other frame; objects and
// items place something else, not their sender.
std::optional<AprsPosition> ParseSenderPosition(std::string_view destination,
                                                std::string_view info);

}  // namespace brevio
