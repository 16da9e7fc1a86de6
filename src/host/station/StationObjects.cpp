// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/StationObjects.h"

#include <algorithm>
#include <chrono>

#include "host/station/Ticks.h"

namespace brevio {

namespace {

// The DDHHMMz time stamp of `time`.
AprsTimestamp DayHourMinuteUtc(std::chrono::system_clock::time_point time) {
  using namespace std::chrono;
  const sys_days day = floor<days>(time);
  const hh_mm_ss clock{floor<minutes>(time - day)};
  AprsTimestamp stamp;
  stamp.form = AprsTimestamp::Form::DayHourMinuteUtc;
  stamp.day = static_cast<int>(static_cast<unsigned>(year_month_day{day}.day()));
  stamp.hour = static_cast<int>(clock.hours().count());
  stamp.minute = static_cast<int>(clock.minutes().count());
  return stamp;
}

}  // namespace

std::int16_t StationObjects::Create(const HostMapObject& object, const Tnc2Frame& envelope,
                                    std::int16_t port, std::int32_t now) {
  Held held;
  held.report.name = object.Name;
  held.report.position.latitude = static_cast<double>(object.Latitude);
  held.report.position.longitude = static_cast<double>(object.Longitude);
  held.report.position.symbolTable = object.SymbolTable;
  held.report.position.symbolCode = object.Symbol;
  held.report.comment = object.Comment;
  held.envelope = envelope;
  held.port = port;
  held.due = TicksAfter(now, kRepeatMs);
  held.sentAt = now;
  const std::optional<Tnc2Frame> frame = Frame(held);
  if (!frame) return kNoObjectReport;

  const auto same = std::find_if(objects_.begin(), objects_.end(),
                                 [&](const Held& o) { return o.report.name == object.Name; });
  if (same != objects_.end() && same->sentInfo == frame->info && same->port == port &&
      TicksBetween(same->sentAt, now) < kMinSpacingMs) {
    return kPlaced;
  }
  if (same != objects_.end()) {
    *same = std::move(held);
  } else if (objects_.size() < kMaxObjects) {
    objects_.push_back(std::move(held));
  } else {
    return kListFull;
  }
  transport_.Transmit(*frame, port);
  return kPlaced;
}

bool StationObjects::Delete(std::string_view name) {
  const auto held = std::find_if(objects_.begin(), objects_.end(),
                                 [&](const Held& o) { return o.report.name == name; });
  if (held == objects_.end()) return false;
  Held killed = std::move(*held);
  objects_.erase(held);
  killed.report.live = false;
  // It was sendable when placed, and only the time has changed since.
  if (const std::optional<Tnc2Frame> frame = Frame(killed))
    transport_.Transmit(*frame, killed.port);
  return true;
}

std::vector<std::string> StationObjects::List() const {
  std::vector<std::string> list;
  for (const Held& held : objects_) list.push_back("*" + held.report.name);
  return list;
}

void StationObjects::Poll(std::int32_t now) {
  std::vector<std::pair<Tnc2Frame, std::int16_t>> due;
  for (Held& held : objects_) {
    if (TicksBetween(held.due, now) < 0) continue;
    held.due = TicksAfter(now, kRepeatMs);
    held.sentAt = now;
    if (std::optional<Tnc2Frame> frame = Frame(held))
      due.emplace_back(std::move(*frame), held.port);
  }
  for (const auto& [frame, port] : due) transport_.Transmit(frame, port);
}

void StationObjects::Left(std::string_view info, std::int32_t now) {
  for (Held& held : objects_) {
    if (held.sentInfo != info) continue;
    held.sentAt = now;
    const std::int32_t earliest = TicksAfter(now, kRepeatMs);
    if (TicksBetween(held.due, earliest) > 0) held.due = earliest;
  }
}

std::optional<std::int32_t> StationObjects::NextDue() const {
  std::optional<std::int32_t> earliest;
  for (const Held& entry : objects_) earliest = EarlierDeadline(earliest, entry.due);
  return earliest;
}

std::optional<Tnc2Frame> StationObjects::Frame(Held& held) {
  held.report.timestamp = DayHourMinuteUtc(utc_.UtcNow());
  const std::optional<std::string> info = FormatObjectReport(held.report);
  if (!info) return std::nullopt;
  Tnc2Frame frame = held.envelope;
  frame.info = *info;
  held.sentInfo = *info;
  return frame;
}

}  // namespace brevio
