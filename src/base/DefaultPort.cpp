// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/DefaultPort.h"

#include <cmath>
#include <limits>

#include "base/NumberText.h"

namespace brevio {

namespace {

double RoundHalfToEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

}  // namespace

std::optional<std::int16_t> DefaultPortFromText(std::string_view text) {
  const double port = RoundHalfToEven(LeadingDecimalNumber(text));
  if (!(port >= std::numeric_limits<std::int16_t>::min() &&
        port <= std::numeric_limits<std::int16_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(port);
}

}  // namespace brevio
