// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace brevio {

// The standard queries of APRS that a station answers on its own. The general query "?APRS?"
// asks every station that hears it for its position; the directed ones come as a message to
// the station: "?APRSP" for its position, "?APRSS" for its status and "?APRST" or "?PING?" for
// the path the query took. Other queries ("?IGATE?", "?WX?", ...) are not this station's.
enum class StandardQuery { None, Position, Status, Trace };

// A general query: "?APRS?" as its own packet, or as a message to APRS, optionally followed by
// the area it asks in, "LAT,LONG,RADIUS" (signed decimal degrees, statute miles).
struct GeneralQuery {
  struct Area {
    double latitude = 0.0;
    double longitude = 0.0;
    double radiusMiles = 0.0;
  };
  // Nothing when the query names no area, or none that can be read: then it asks everyone.
  std::optional<Area> area;
};

// Nothing when the information field `info` is no general query.
std::optional<GeneralQuery> ParseGeneralQuery(std::string_view info);

// The directed query a message text holds; letters of any case, trailing blanks ignored.
StandardQuery DirectedQuery(std::string_view text);

// Answers each station at most once a minute. It remembers the stations of the last minute, up
// to a bound; while it is full, stations it does not remember are not answered.
class QueryLimiter {
 public:
  static constexpr std::int32_t kPerStationMs = 60000;
  static constexpr std::size_t kMaxStations = 64;

  // Whether `station` (see StationIdentity) may be answered at `now`; remembers it when so.
  bool Admit(const std::string& station, std::int32_t now);

 private:
  struct Answered {
    std::string station;
    std::int32_t at = 0;
  };
  std::deque<Answered> answered_;
};

}  // namespace brevio
