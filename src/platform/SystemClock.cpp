// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemClock.h"

#include <QDateTime>
#include <QLocale>
#include <chrono>

#include "platform/AnsiQString.h"

namespace brevio {

std::int32_t SystemClock::TickCount() {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count();
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms));
}

std::string SystemClock::ShortDate() {
  Refresh();
  return date_;
}

std::string SystemClock::LongTime() {
  Refresh();
  return time_;
}

void SystemClock::Refresh() {
  const std::time_t now = std::time(nullptr);
  if (now == second_) return;
  second_ = now;
  const QDateTime local = QDateTime::fromSecsSinceEpoch(now);
  date_ = ToAnsi(QLocale::system().toString(local.date(), QLocale::ShortFormat));
  time_ = ToAnsi(QLocale::system().toString(local.time(), QLocale::LongFormat));
}

}  // namespace brevio
