#include "platform/SystemClock.h"

#include <QDate>
#include <QLocale>
#include <QTime>
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
  return ToAnsi(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string SystemClock::LongTime() {
  return ToAnsi(QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat));
}

}  // namespace brevio
