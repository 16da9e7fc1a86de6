// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace brevio {

// How a DDMM.mm-style coordinate of one axis is written: its degree digits, its hemisphere
// letters and the largest magnitude it may have.
struct CoordinateAxis {
  std::size_t degreeDigits;
  char positive;
  char negative;
  int maxDegrees;
};

inline constexpr CoordinateAxis kLatitudeAxis{2, 'N', 'S', 90};
inline constexpr CoordinateAxis kLongitudeAxis{3, 'E', 'W', 180};

}  // namespace brevio
