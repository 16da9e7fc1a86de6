// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/StationHostConfig.h"

#include "base/AnsiText.h"
#include "base/DefaultPort.h"

namespace brevio {

namespace {

RemoteCommands RemoteCommandsFromText(const std::string& text) {
  if (text == "0") return RemoteCommands::Nobody;
  if (text == "1") return RemoteCommands::OnlyMe;
  return RemoteCommands::Anyone;
}

}  // namespace

StationHostConfig ReadStationHostConfig(IniReader& ini, const std::string& iniPath) {
  StationHostConfig config;
  config.call = UpperCase(ini.ReadIniValue(iniPath, "STATION", "CALLSIGN", "NOCALL"));
  config.remoteCommands =
      RemoteCommandsFromText(ini.ReadIniValue(iniPath, "MESSAGES", "REMOTE_COMMANDS", "0"));
  // Start-up refuses a port beyond 16 bits; until it does, port 1 stands in.
  config.defaultPort =
      DefaultPortFromText(ini.ReadIniValue(iniPath, "MESSAGES", "DEFAULT_PORT", "1")).value_or(1);
  config.beacon = ReadBeaconSettings(ini, iniPath);
  return config;
}

}  // namespace brevio
