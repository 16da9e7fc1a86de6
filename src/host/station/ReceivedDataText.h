// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// The monitored-traffic text of a heard frame, as ReceivedData gives it: the header line
// SOURCE>DESTINATION,PATH <UI> (the path as TNC2 text writes it, "*" after the last repeated
// digipeater), CR LF, the information field byte for byte, CR LF. The blank before "<UI" ends the
// via path where the server's reader expects it.
std::string FormatReceivedData(const Tnc2Frame& frame);

}  // namespace brevio
