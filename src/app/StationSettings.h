#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/IniReader.h"
#include "app/Messages.h"
#include "app/StationConfig.h"
#include "app/StatusLog.h"

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

// The port a DEFAULT_PORT text names: its leading decimal number (0 when there is none),
// rounded to the nearest integer with halves to even; nothing when that does not fit 16 bits.
std::optional<std::int16_t> DefaultPortFromText(std::string_view text);

}  // namespace brevio
