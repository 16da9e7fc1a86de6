// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "base/IniReader.h"
#include "host/station/BeaconSettings.h"

namespace brevio {

// Whose messages may ask the station for topics: the host's "Remote topics" option.
enum class RemoteCommands { Nobody, OnlyMe, Anyone };

// The station host's settings from the host's settings file uiview32.ini.
struct StationHostConfig {
  // Upper-cased, as frames carry it.
  std::string call;
  RemoteCommands remoteCommands = RemoteCommands::Nobody;
  // The port of frames from a link without port numbers.
  std::int16_t defaultPort = 1;
  BeaconSettings beacon;
};

// Reads CALLSIGN of [STATION], REMOTE_COMMANDS and DEFAULT_PORT of [MESSAGES] as start-up reads
// them: REMOTE_COMMANDS "0" or missing is nobody, "1" only the station's own call, anything else
// anyone; and the beacon's settings (see ReadBeaconSettings).
StationHostConfig ReadStationHostConfig(IniReader& ini, const std::string& iniPath);

}  // namespace brevio
