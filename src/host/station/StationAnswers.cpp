// SPDX-License-Identifier: GPL-3.0-or-later
// What the station does on its own, beside what the server asks of it: its beacon, its answers
// to the standard queries and its own status lines.
#include <utility>

#include "host/aprs/CallSign.h"
#include "host/aprs/StationReports.h"
#include "host/station/GreatCircle.h"
#include "host/station/Station.h"

namespace brevio {

namespace {

// How the query came: its source, destination and digipeaters, those it went through starred.
std::string Route(const Tnc2Frame& frame) {
  std::string route = frame.source + ">" + frame.destination;
  for (const Digipeater& digipeater : frame.path) {
    route += "," + digipeater.call + (digipeater.repeated ? "*" : "");
  }
  return route;
}

}  // namespace

void Station::StartBeacon() {
  const BeaconSettings& settings = Config().beacon;
  if (!settings.enabled || !settings.position) return;
  const std::optional<std::string> info =
      FormatPositionBeacon(*settings.position, settings.comment);
  if (!info) return;
  try {
    Tnc2Frame frame = Envelope("");
    frame.info = *info;
    beacon_.Start(std::move(frame), Config().defaultPort, settings.intervalMinutes * 60000,
                  ports_.clock.TickCount());
  } catch (const HostCallFailed& failure) {
    HostLine(std::string("no beacon: ") + failure.what());
  }
  Reschedule();
}

void Station::AnswerStandardQuery(const Tnc2Frame& frame, const std::string& text,
                                  std::int16_t port) {
  const StandardQuery query = DirectedQuery(text);
  const std::int32_t now = ports_.clock.TickCount();
  if (query == StandardQuery::None || !queryLimiter_.Admit(StationIdentity(frame.source), now)) {
    return;
  }
  switch (query) {
    case StandardQuery::Position:
      beacon_.AnswerQuery(now);
      Reschedule();
      break;
    case StandardQuery::Status:
      TransmitOwn(FormatStatusReport(Config().beacon.comment), port);
      break;
    case StandardQuery::Trace:
      TransmitOwn(FormatUnnumberedMessage(frame.source, Route(frame)).value_or(""), port);
      break;
    case StandardQuery::None:
      break;
  }
}

void Station::AnswerGeneralQuery(const GeneralQuery& query) {
  constexpr double kKmPerMile = 1.609344;
  const std::optional<AprsPosition>& here = Config().beacon.position;
  if (query.area && here &&
      GreatCircle(here->latitude, here->longitude, query.area->latitude, query.area->longitude)
              .distanceKm > query.area->radiusMiles * kKmPerMile) {
    return;
  }
  beacon_.AnswerQuery(ports_.clock.TickCount(), ports_.random(StationBeacon::kQueryWindowMs));
  Reschedule();
}

void Station::TransmitOwn(std::string info, std::int16_t port) {
  if (info.empty()) return;
  try {
    Tnc2Frame frame = Envelope("");
    frame.info = std::move(info);
    ports_.transport.Transmit(frame, port);
  } catch (const HostCallFailed&) {
    // The station's own call cannot be sent; the server hears of it when it sends a message.
  }
}

void Station::HostLine(const std::string& line) {
  // Far more than the frames of one event bring; a flood beyond it is not worth keeping.
  constexpr std::size_t kMaxHeld = 100;
  if (!raising_) {
    ports_.log(line);
  } else if (heldLines_.size() < kMaxHeld) {
    heldLines_.push_back(line);
  }
}

void Station::FrameLeft(const Tnc2Frame& frame) {
  const std::int32_t now = ports_.clock.TickCount();
  outgoing_.Left(frame.info, now);
  objects_.Left(frame.info, now);
  beacon_.Left(frame.info, now);
  Reschedule();
}

// Counted in the summary; the log says so at the first, the tenth, the hundredth...
void Station::FrameDropped() {
  ++dropped_;
  if (observer_ != nullptr) observer_->FrameDropped();
  std::size_t power = 1;
  while (power < dropped_) power *= 10;
  if (power == dropped_) HostLine("frames dropped as undecodable: " + std::to_string(dropped_));
}

}  // namespace brevio
