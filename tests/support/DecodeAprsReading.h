// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>
#include <optional>
#include <regex>
#include <string>
#include <utility>

namespace brevio::test {

// The first position decode_aprs (Debian package direwolf) prints in `output`, such as
// "N 33 25.6400, W 012 07.7400", in signed degrees.
inline std::optional<std::pair<double, double>> DecodeAprsPosition(const std::string& output) {
  static const std::regex kPosition(R"(([NS]) (\d+) (\d+\.\d+), ([EW]) (\d+) (\d+\.\d+))");
  std::smatch m;
  if (!std::regex_search(output, m, kPosition)) return std::nullopt;
  const auto degrees = [&m](std::size_t at, const char* negative) {
    const double value = std::stod(m[at + 1]) + std::stod(m[at + 2]) / 60;
    return m[at] == negative ? -value : value;
  };
  return std::pair{degrees(1, "S"), degrees(4, "W")};
}

// decode_aprs reads blanked digits as zeros and leaves the longitude as sent; we give the middle
// of the box the blanks leave, and blur the longitude as much as the latitude.
inline double MiddleOfBox(double degrees, int ambiguity) {
  const double box =
      std::array{0.0, 0.1, 1.0, 10.0, 60.0}[static_cast<std::size_t>(ambiguity)] / 60;
  if (box == 0) return degrees;
  return std::copysign((std::floor(std::fabs(degrees) / box + 1e-6) + 0.5) * box, degrees);
}

}  // namespace brevio::test
