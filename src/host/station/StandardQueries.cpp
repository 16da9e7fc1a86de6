// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/StandardQueries.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/AnsiText.h"
#include "base/Clock.h"
#include "host/aprs/AprsMessage.h"

namespace brevio {

namespace {

constexpr std::string_view kGeneral = "?APRS?";

// The area of "LAT,LONG,RADIUS": three numbers, each whole, within the globe.
std::optional<GeneralQuery::Area> ReadArea(std::string_view text) {
  std::string rest(text.substr(std::min(text.find_first_not_of(' '), text.size())));
  double values[3] = {};
  for (std::size_t i = 0; i < 3; ++i) {
    char* end = nullptr;
    values[i] = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str() || !std::isfinite(values[i]) || *end != (i < 2 ? ',' : '\0')) {
      return std::nullopt;
    }
    rest.erase(0, static_cast<std::size_t>(end - rest.c_str()) + (i < 2 ? 1 : 0));
  }
  if (std::abs(values[0]) > 90 || std::abs(values[1]) > 180 || values[2] < 0) return std::nullopt;
  return GeneralQuery::Area{values[0], values[1], values[2]};
}

}  // namespace

std::optional<GeneralQuery> ParseGeneralQuery(std::string_view info) {
  std::string text;
  // Only a message to APRS is worth reading as one.
  if (info.starts_with(":APRS")) {
    const std::optional<AprsMessage> message = ParseAprsMessage(info);
    if (!message || message->kind != AprsMessage::Kind::Message ||
        UpperCase(message->addressee) != "APRS") {
      return std::nullopt;
    }
    text = message->text;
    info = text;
  }
  if (!info.starts_with(kGeneral)) return std::nullopt;
  return GeneralQuery{ReadArea(info.substr(kGeneral.size()))};
}

StandardQuery DirectedQuery(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  const std::string query = UpperCase(text.substr(0, end == std::string_view::npos ? 0 : end + 1));
  if (query == "?APRSP") return StandardQuery::Position;
  if (query == "?APRSS") return StandardQuery::Status;
  if (query == "?APRST" || query == "?PING?") return StandardQuery::Trace;
  return StandardQuery::None;
}

bool QueryLimiter::Admit(const std::string& station, std::int32_t now) {
  while (!answered_.empty() && TicksBetween(answered_.front().at, now) >= kPerStationMs) {
    answered_.pop_front();
  }
  const bool known = std::any_of(answered_.begin(), answered_.end(),
                                 [&](const Answered& a) { return a.station == station; });
  if (known || answered_.size() >= kMaxStations) return false;
  answered_.push_back({station, now});
  return true;
}

}  // namespace brevio
