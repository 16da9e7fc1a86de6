// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/IniReader.h"
#include "host/aprs/AprsPosition.h"

namespace brevio {

// How the station tells the network where it is and what it offers: the station's own keys, in
// the [BREVIO] section of uiview32.ini, beside the host's.
struct BeaconSettings {
  static constexpr int kDefaultMinutes = 30;
  // APRS asks a fixed station to beacon no more often than this.
  static constexpr int kFewestMinutes = 10;
  static constexpr int kMostMinutes = 24 * 60;
  static constexpr const char* kDefaultComment = "Query server: message ?HELP for topics";

  bool enabled = true;
  int intervalMinutes = kDefaultMinutes;
  std::string comment = kDefaultComment;
  // The station's position with the beacon's symbol; nothing when LATITUDE and LONGITUDE of
  // [STATION] are no position (start-up refuses such a station).
  std::optional<AprsPosition> position;
};

// BEACON ("0" turns beacons off), BEACON_INTERVAL (whole minutes, held to 10 to 1440; 30 when
// no number), BEACON_SYMBOL (symbol table and code, "/-" a house, the default) and
// BEACON_COMMENT of [BREVIO], and the position of [STATION].
BeaconSettings ReadBeaconSettings(IniReader& ini, const std::string& iniPath);

}  // namespace brevio
