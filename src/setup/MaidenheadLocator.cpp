// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/MaidenheadLocator.h"

#include <cctype>

namespace brevio {

namespace {

// How many values each pair of characters takes: fields A-R, squares 0-9, subsquares A-X,
// extended squares 0-9.
constexpr int kSteps[] = {18, 10, 24, 10};

// The value 0 to steps-1 of one character of pair `pair`, or -1.
int Value(char c, int pair) {
  const bool letters = pair % 2 == 0;
  const int value = letters ? std::toupper(static_cast<unsigned char>(c)) - 'A' : c - '0';
  const bool kind = letters ? std::isalpha(static_cast<unsigned char>(c)) != 0
                            : std::isdigit(static_cast<unsigned char>(c)) != 0;
  return kind && value >= 0 && value < kSteps[pair] ? value : -1;
}

}  // namespace

std::optional<std::pair<double, double>> MaidenheadCentre(std::string_view locator) {
  if (locator.size() != 4 && locator.size() != 6 && locator.size() != 8) return std::nullopt;
  double lon = -180.0;
  double lat = -90.0;
  double lonCell = 360.0;
  double latCell = 180.0;
  for (int pair = 0; pair < static_cast<int>(locator.size() / 2); ++pair) {
    const int east = Value(locator[static_cast<std::size_t>(pair) * 2], pair);
    const int north = Value(locator[static_cast<std::size_t>(pair) * 2 + 1], pair);
    if (east < 0 || north < 0) return std::nullopt;
    lonCell /= kSteps[pair];
    latCell /= kSteps[pair];
    lon += east * lonCell;
    lat += north * latCell;
  }
  return std::pair{lat + latCell / 2.0, lon + lonCell / 2.0};
}

}  // namespace brevio
