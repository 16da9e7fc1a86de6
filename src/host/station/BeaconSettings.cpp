// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/BeaconSettings.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"

namespace brevio {

namespace {

int IntervalFromText(const std::string& text) {
  const double minutes = std::floor(LeadingDecimalNumber(text));
  if (minutes <= 0) return BeaconSettings::kDefaultMinutes;
  return static_cast<int>(std::clamp(minutes, double{BeaconSettings::kFewestMinutes},
                                     double{BeaconSettings::kMostMinutes}));
}

}  // namespace

BeaconSettings ReadBeaconSettings(IniReader& ini, const std::string& iniPath) {
  const auto value = [&](const char* section, const char* key, const char* otherwise) {
    return ini.ReadIniValue(iniPath, section, key, otherwise);
  };
  BeaconSettings settings;
  settings.enabled = value("BREVIO", "BEACON", "1") != "0";
  settings.intervalMinutes = IntervalFromText(value("BREVIO", "BEACON_INTERVAL", ""));
  settings.comment = value("BREVIO", "BEACON_COMMENT", BeaconSettings::kDefaultComment);
  std::string symbol = value("BREVIO", "BEACON_SYMBOL", "/-");
  if (symbol.size() != 2) symbol = "/-";
  // The position as a report writes it; a symbol the tables lack falls back to the house.
  const std::string lat = value("STATION", "LATITUDE", "");
  const std::string lon = value("STATION", "LONGITUDE", "");
  settings.position = ParseAprsPosition(lat + symbol[0] + lon + symbol[1]);
  if (!settings.position) settings.position = ParseAprsPosition(lat + "/" + lon + "-");
  return settings;
}

}  // namespace brevio
