// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/IniReader.h"
#include "base/Messages.h"
#include "base/StationConfig.h"
#include "base/StatusLog.h"

namespace brevio {

// Reads the station's call sign, position and default message port from the host's settings
// file, and checks the message options the server depends on. Settings it cannot serve with are
// critical.
class StationSettings {
 public:
  StationSettings(IniReader& ini, StatusLog& log, Messages& messages)
      : ini_(ini), log_(log), messages_(messages) {}

  void ReadStationSettings(const std::string& iniPath, StationConfig& station);

 private:
  std::string Value(const char* section, const char* key, const char* defaultValue);
  void ReadCallsign(StationConfig& station);
  void ReadPosition(StationConfig& station);
  void CheckRemoteCommands();
  void CheckNotFromMe();
  void ReadDefaultPort(StationConfig& station);

  IniReader& ini_;
  StatusLog& log_;
  Messages& messages_;
  std::string iniPath_;
};

}  // namespace brevio
