// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/ObjectDefinitions.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "base/HostFailure.h"
#include "base/ParseCoordinate.h"
#include "base/PathText.h"
#include "definitions/DefinitionFile.h"

namespace brevio {

namespace {

// An uncompressed APRS position after its "!": latitude, table, longitude, symbol.
constexpr std::size_t kLatitudeAt = 1;
constexpr std::size_t kLatitudeWidth = 8;
constexpr std::size_t kTableAt = 9;
constexpr std::size_t kLongitudeAt = 10;
constexpr std::size_t kLongitudeWidth = 9;
constexpr std::size_t kSymbolAt = 19;

struct ObjectPosition {
  double lat = 0.0;
  double lon = 0.0;
  char table = ' ';
  char symbol = ' ';
};

// The position after the first "!" of `item`, or nothing when the item is too short or either
// coordinate is not a real one of its kind.
std::optional<ObjectPosition> ReadPosition(std::string_view item) {
  const std::size_t mark = item.find('!');
  if (mark == std::string_view::npos || item.size() <= mark + kSymbolAt) return std::nullopt;
  const std::string_view position = item.substr(mark);
  const std::string_view latText = position.substr(kLatitudeAt, kLatitudeWidth);
  const std::string_view lonText = position.substr(kLongitudeAt, kLongitudeWidth);
  const ParsedCoordinate lat = ParseCoordinate(latText);
  const ParsedCoordinate lon = ParseCoordinate(lonText);
  const bool latLetter = latText.back() == 'N' || latText.back() == 'S';
  const bool lonLetter = lonText.back() == 'E' || lonText.back() == 'W';
  if (!lat.wellFormed || !lon.wellFormed || !latLetter || !lonLetter) return std::nullopt;
  return ObjectPosition{static_cast<double>(lat.minutesOfArc) / 60.0,
                        static_cast<double>(lon.minutesOfArc) / 60.0, position[kTableAt],
                        position[kSymbolAt]};
}

// The distance as the pattern "######.##" prints it: at most two decimals, no trailing zeros
// after the point, the point always there (31.46, 31.5, 40.). Only distances above 25 km are
// printed, so the pattern's dropping of a leading zero never comes up.
std::string FormatDistance(double km) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", km);
  std::string formatted(text);
  formatted.erase(formatted.find_last_not_of('0') + 1);
  return formatted;
}

}  // namespace

void ObjectDefinitions::LoadObjectDefinitions() {
  const std::string path = JoinPath(JoinPath(hostFolder_.GetHostFolder(), "overlays"), "brv.pos");
  log_.LogStatus("loading BRV object definitions from " + path);
  ReadDefinitionFile(path, "Can not open overlay file ", messages_,
                     [this](const std::string& item) { UseItem(item); });
}

void ObjectDefinitions::UseItem(const std::string& item) {
  if (!item.empty() && item.front() == '*') return;
  for (std::int16_t i = 1; i <= topics_.TopicCount; ++i) {
    TopicEntry& topic = topics_[i];
    // A topic named "?" alone has no object name to look for.
    const std::string name = topic.strTopic.size() > 1 ? topic.strTopic.substr(1) : "";
    if (name.empty() || item.find(name + "!") == std::string::npos) continue;
    topic.strObject = name;
    SetObject(topic, item);
  }
}

void ObjectDefinitions::SetObject(TopicEntry& topic, const std::string& item) {
  const std::optional<ObjectPosition> position = ReadPosition(item);
  if (!position) {
    // The fields keep what they held: no made-up position is ever placed on the map.
    log_.LogStatus("Object " + topic.strObject + " not valid; no readable position in " + item);
    topic.strObject.clear();
    return;
  }
  topic.dblLat = position->lat;
  topic.dblLong = position->lon;
  topic.strTable = std::string(1, position->table);
  topic.strSymbol = std::string(1, position->symbol);

  const double distance = DistanceFromStation(topic.dblLat, topic.dblLong);
  if (distance > kObjectRangeKm) {
    log_.LogStatus("Object " + topic.strObject + " not valid; more then " +
                   std::to_string(kObjectRangeKm) + " km (" + FormatDistance(distance) +
                   " km) from station.");
    topic.strObject.clear();
  }
}

double ObjectDefinitions::DistanceFromStation(double lat, double lon) {
  try {
    // 1 km unless the host answers: the host contract goes on past a failing DistanceBearing.
    double distance = 1.0;
    double bearing = 0.0;
    host_.DistanceBearing(lat, lon, station_.StationLat, station_.StationLong, distance, bearing,
                          true);
    return distance;
  } catch (const HostCallFailed& failure) {
    LogHostFailure(log_, failure);
    return 1.0;
  }
}

}  // namespace brevio
