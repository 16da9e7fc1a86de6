// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace brevio {

// The station's settings, read once at start-up from the host's settings file.
struct StationConfig {
  std::string StationCall;
  double StationLat = 0.0;   // signed decimal degrees, north positive
  double StationLong = 0.0;  // signed decimal degrees, east positive
  std::int16_t DefaultPort = 0;
};

}  // namespace brevio
