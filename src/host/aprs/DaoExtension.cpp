// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/DaoExtension.h"

#include <cmath>
#include <optional>
#include <utility>

namespace brevio {

namespace {

constexpr std::size_t kDaoSize = 5;
constexpr double kMinutesPerDegree = 60;

// The extra minutes one character of the construct stands for, in its form.
std::optional<double> ExtraMinutes(char form, char c) {
  if (form == 'W' && c >= '0' && c <= '9') return (c - '0') / 1000.0;
  if (form == 'w' && c >= '!' && c <= '{') return (c - '!') / 91.0 / 100.0;
  return std::nullopt;
}

// The two extra minutes of the first well-formed construct in `comment`.
std::optional<std::pair<double, double>> FindDao(std::string_view comment) {
  for (std::size_t at = comment.find('!');
       at != std::string_view::npos && at + kDaoSize <= comment.size();
       at = comment.find('!', at + 1)) {
    if (comment[at + kDaoSize - 1] != '!') continue;
    const char form = comment[at + 1];
    const std::optional<double> latitude = ExtraMinutes(form, comment[at + 2]);
    const std::optional<double> longitude = ExtraMinutes(form, comment[at + 3]);
    if (latitude && longitude) return std::pair{*latitude, *longitude};
  }
  return std::nullopt;
}

double AwayFromZero(double degrees, double minutes) {
  return std::copysign(std::fabs(degrees) + minutes / kMinutesPerDegree, degrees);
}

}  // namespace

AprsPosition ApplyDaoExtension(AprsPosition position, std::string_view comment) {
  if (position.ambiguity != 0) return position;
  const std::optional<std::pair<double, double>> extra = FindDao(comment);
  if (!extra) return position;
  const double latitude = AwayFromZero(position.latitude, extra->first);
  const double longitude = AwayFromZero(position.longitude, extra->second);
  if (std::fabs(latitude) > 90 || std::fabs(longitude) > 180) return position;
  position.latitude = latitude;
  position.longitude = longitude;
  return position;
}

}  // namespace brevio
