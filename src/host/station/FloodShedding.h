// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// Whether a frame is kept when the link is behind (see FrameSink::LinkBehind): an APRS message
// to the station (`stationIdentity`, a StationIdentity), which may be a query or the ack of a
// reply, and a query to QDOS or QUERY, also inside a third-party frame. Position reports and
// traffic between other stations matter least and are shed first.
bool MattersUnderLoad(const Tnc2Frame& frame, std::string_view stationIdentity);

// Sheds, while the link is behind, what does not matter under load; counts it and says so once.
class FloodShedding {
 public:
  void LinkBehind(bool behind) { behind_ = behind; }

  // True when `frame` is shed.
  bool Shed(const Tnc2Frame& frame, std::string_view stationIdentity,
            const std::function<void(const std::string&)>& log);
  std::size_t Count() const { return count_; }

 private:
  bool behind_ = false;
  std::size_t count_ = 0;
};

}  // namespace brevio
