// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StationSettings.h"

#include "base/DefaultPort.h"
#include "base/ParseCoordinate.h"

namespace brevio {

namespace {

// The station's degrees from its coordinate text; nothing unless the text is a real position
// of the expected kind (a latitude ends in N or S, a longitude in E or W).
std::optional<double> StationDegrees(const std::string& text, std::string_view letters) {
  const ParsedCoordinate parsed = ParseCoordinate(text);
  if (!parsed.wellFormed || letters.find(text.back()) == std::string_view::npos) {
    return std::nullopt;
  }
  return static_cast<double>(parsed.minutesOfArc) / 60.0;
}

}  // namespace

void StationSettings::ReadStationSettings(const std::string& iniPath, StationConfig& station) {
  iniPath_ = iniPath;
  ReadCallsign(station);
  ReadPosition(station);
  CheckRemoteCommands();
  CheckNotFromMe();
  ReadDefaultPort(station);
}

std::string StationSettings::Value(const char* section, const char* key, const char* defaultValue) {
  return ini_.ReadIniValue(iniPath_, section, key, defaultValue);
}

void StationSettings::ReadCallsign(StationConfig& station) {
  log_.LogStatus("getting station-id from uiview32.ini");
  station.StationCall = Value("STATION", "CALLSIGN", "NOCALL");
  log_.LogStatus(" -> station-id = " + station.StationCall);
  // An empty call sign serves no better than the host's placeholder: replies and the server's
  // object would carry no call.
  if (station.StationCall == "NOCALL" || station.StationCall.empty()) {
    messages_.ShowCritical("Error getting station callsign from UIView32.INI");
  }
}

void StationSettings::ReadPosition(StationConfig& station) {
  log_.LogStatus("getting station position form uiview32.ini");
  // The 25 km test of the object file and the server's own object need the real position, so
  // a text that is no position is refused like a missing one.
  const std::optional<double> lat = StationDegrees(Value("STATION", "LATITUDE", ""), "NS");
  if (!lat) messages_.ShowCritical("Error getting station latitude from UIView32.INI");
  station.StationLat = *lat;
  const std::optional<double> lon = StationDegrees(Value("STATION", "LONGITUDE", ""), "EW");
  if (!lon) messages_.ShowCritical("Error getting station longitude from UIView32.INI");
  station.StationLong = *lon;
}

void StationSettings::CheckRemoteCommands() {
  log_.LogStatus("checking if remote commands from ANYBODY are allowed");
  const std::string allowed = Value("MESSAGES", "REMOTE_COMMANDS", "0");
  if (allowed == "0") {
    log_.LogStatus("remote topics from ANYBODY are NOT allowed!, program will be halted");
    messages_.ShowCritical(
        "You must first set the UIView32 menu 'Options, Remote topics' option to 'Anyone'");
  }
  if (allowed == "1") {
    log_.LogStatus(
        "Only remote topics from 'Only me' are allowed!, program will continue, but you should "
        "allow Anyone to send remote topics");
    messages_.ShowMessage(MessageKind::Informational,
                          "You should first set the UIView32 menu 'Options, Remote topics' option "
                          "to 'Anyone'\r\nYou now only can process your own remote topics!");
  }
}

void StationSettings::CheckNotFromMe() {
  log_.LogStatus("checking if the Message option 'Don't show from me' is unchecked");
  if (Value("MESSAGES", "NOT_FROM_ME", "FALSE") != "TRUE") return;
  log_.LogStatus(
      "The Message option 'Don't show from me' is checked: you can not send remote commands to "
      "your own BRV server (using the same callsign), the program will continue, but you should "
      "uncheck the option.");
  messages_.ShowMessage(MessageKind::Informational,
                        "You should uncheck the Message option 'Don't show from me'\r\n you can "
                        "not send remote commands to your own BRV server (using the same "
                        "callsign)!");
}

void StationSettings::ReadDefaultPort(StationConfig& station) {
  log_.LogStatus("Get DEFAULT_PORT from [MESSAGES] in UIVIEW32.INI");
  // A port beyond 16 bits is no port of the host's: refused rather than cut to a wrong one.
  const std::optional<std::int16_t> port =
      DefaultPortFromText(Value("MESSAGES", "DEFAULT_PORT", "1"));
  if (!port) messages_.ShowCritical("Error getting DEFAULT_PORT from UIView32.INI");
  station.DefaultPort = *port;
  log_.LogStatus("DEFAULT_PORT = " + std::to_string(station.DefaultPort));
}

}  // namespace brevio
