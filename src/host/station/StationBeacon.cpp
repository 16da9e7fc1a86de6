// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/StationBeacon.h"

#include <random>

#include "host/station/Ticks.h"

namespace brevio {

namespace {

std::int32_t Later(std::int32_t a, std::int32_t b) {
  return TicksBetween(a, b) > 0 ? b : a;
}

}  // namespace

std::int32_t RandomBelow(std::int32_t bound) {
  static std::minstd_rand generator{std::random_device{}()};
  return std::uniform_int_distribution<std::int32_t>(0, bound - 1)(generator);
}

void StationBeacon::Start(Tnc2Frame frame, std::int16_t port, std::int32_t intervalMs,
                          std::int32_t now) {
  frame_ = std::move(frame);
  port_ = port;
  intervalMs_ = intervalMs;
  next_ = now;
  lastLeft_ = TicksAfter(now, -kMinSpacingMs);
  Poll(now);
}

void StationBeacon::AnswerQuery(std::int32_t now, std::optional<std::int32_t> delayMs) {
  if (!frame_) return;
  if (!delayMs) {
    Plan(now);
    return;
  }
  if (windowEnds_ && TicksBetween(now, *windowEnds_) > 0) return;
  windowEnds_ = TicksAfter(now, kQueryWindowMs);
  Plan(TicksAfter(now, *delayMs));
}

void StationBeacon::Plan(std::int32_t at) {
  const std::int32_t allowed = Later(at, TicksAfter(lastLeft_, kMinSpacingMs));
  answer_ = answer_ ? EarlierDeadline(answer_, allowed) : allowed;
}

void StationBeacon::Poll(std::int32_t now) {
  if (!frame_) return;
  const bool scheduled = TicksBetween(next_, now) >= 0;
  const bool answering = answer_ && TicksBetween(*answer_, now) >= 0;
  if (!scheduled && !answering) return;
  // The scheduled beacon answers a query that is due with it, and the other way round.
  next_ = TicksAfter(now, intervalMs_);
  answer_.reset();
  lastLeft_ = now;
  transport_.Transmit(*frame_, port_);
}

void StationBeacon::Left(std::string_view info, std::int32_t now) {
  if (!frame_ || frame_->info != info) return;
  lastLeft_ = Later(lastLeft_, now);
  next_ = Later(next_, TicksAfter(now, intervalMs_));
  if (answer_) answer_ = Later(*answer_, TicksAfter(now, kMinSpacingMs));
}

std::optional<std::int32_t> StationBeacon::NextDue() const {
  if (!frame_) return std::nullopt;
  return EarlierDeadline(next_, answer_);
}

}  // namespace brevio
