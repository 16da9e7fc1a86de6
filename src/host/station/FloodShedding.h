#pragma once

#include <string_view>

#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// Whether a frame is kept when the link is behind (see FrameSink::LinkBehind): an APRS message
// to the station (`stationIdentity`, a StationIdentity), which may be a query or the ack of a
// reply, and a query to QDOS or QUERY, also inside a third-party frame. Position reports and
// traffic between other stations matter least and are shed first.
bool MattersUnderLoad(const Tnc2Frame& frame, std::string_view stationIdentity);

}  // namespace brevio
