// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevio {

struct GreatCircleCourse {
  double distanceKm = 0.0;
  // Initial bearing from the first position to the second, degrees clockwise from true north,
  // 0 up to (not including) 360.
  double bearingDegrees = 0.0;
};

// The great-circle course between two positions in signed decimal degrees (haversine formula on
// a sphere of the Earth's mean radius, 6371.0088 km).
GreatCircleCourse GreatCircle(double lat1, double long1, double lat2, double long2);

}  // namespace brevio
