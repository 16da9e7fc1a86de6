// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/GreatCircle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevio {

namespace {

constexpr double kEarthMeanRadiusKm = 6371.0088;

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

}  // namespace

GreatCircleCourse GreatCircle(double lat1, double long1, double lat2, double long2) {
  const double phi1 = Radians(lat1);
  const double phi2 = Radians(lat2);
  const double dPhi = phi2 - phi1;
  const double dLambda = Radians(long2 - long1);

  const double sinHalfPhi = std::sin(dPhi / 2.0);
  const double sinHalfLambda = std::sin(dLambda / 2.0);
  // Rounding can push the haversine a hair past 1 for antipodal points.
  const double h = std::clamp(
      sinHalfPhi * sinHalfPhi + std::cos(phi1) * std::cos(phi2) * sinHalfLambda * sinHalfLambda,
      0.0, 1.0);
  GreatCircleCourse course;
  course.distanceKm = 2.0 * kEarthMeanRadiusKm * std::asin(std::sqrt(h));

  // From a point to itself there is no course; rounding would make one up (180 on arm64).
  if (h == 0.0) return course;
  const double y = std::sin(dLambda) * std::cos(phi2);
  const double x =
      std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLambda);
  const double bearing = std::atan2(y, x) * 180.0 / std::numbers::pi;
  course.bearingDegrees = bearing < 0.0 ? bearing + 360.0 : bearing;
  if (course.bearingDegrees >= 360.0) course.bearingDegrees = 0.0;
  return course;
}

}  // namespace brevio
