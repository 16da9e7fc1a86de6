// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// The station's link to the radio or the network: it only moves frames. Host ports are numbered
// as the host numbers them (from 1); a link with a single port sends every frame on it, whatever
// port the frame names.
class Transport {
 public:
  virtual ~Transport() = default;

  // Sends `frame` on `port`. A link that is down keeps or drops it as it sees fit; the station
  // is not told.
  virtual void Transmit(const Tnc2Frame& frame, std::int16_t port) = 0;
};

}  // namespace brevio
