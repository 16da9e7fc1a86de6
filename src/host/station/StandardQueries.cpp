#include "host/station/StandardQueries.h"

#include <algorithm>

#include "base/AnsiText.h"
#include "base/Clock.h"
#include "host/aprs/AprsMessage.h"

namespace brevio {

namespace {

constexpr std::string_view kGeneral = "?APRS?";

}  // namespace

bool IsGeneralQuery(std::string_view info) {
  if (info.starts_with(kGeneral)) return true;
  const std::optional<AprsMessage> message = ParseAprsMessage(info);
  return message && message->kind == AprsMessage::Kind::Message &&
         UpperCase(message->addressee) == "APRS" && message->text.starts_with(kGeneral);
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
