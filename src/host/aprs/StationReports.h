// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/aprs/AprsPosition.h"

namespace brevio {

// What a station says of itself: its position beacon "=POSITION comment" (the "=" tells that it
// takes messages) and its status report ">text". Comment and status keep only printable ASCII
// other than "|" and "~" (which mark other extensions) and are cut to the 43 and 62 characters
// that receivers show.
inline constexpr std::size_t kBeaconCommentSize = 43;
inline constexpr std::size_t kStatusTextSize = 62;

// Nothing for a position FormatAprsPosition refuses.
std::optional<std::string> FormatPositionBeacon(const AprsPosition& position,
                                                std::string_view comment);
std::string FormatStatusReport(std::string_view text);

// An APRS message without a number, which asks for no ack: ":ADDRESSEE:text", the addressee
// padded to 9 characters, the text cut to 67 characters and without "{", "|" or "~". Nothing for
// an addressee FormatAprsMessage refuses.
std::optional<std::string> FormatUnnumberedMessage(std::string_view addressee,
                                                   std::string_view text);

}  // namespace brevio
