// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <utility>

namespace brevio {

// The centre of the square a Maidenhead locator of 4, 6 or 8 characters names (FN29, FN29bb,
// FN29bb47), letters of either case: latitude and longitude in signed decimal degrees. Nothing
// for any other text.
std::optional<std::pair<double, double>> MaidenheadCentre(std::string_view locator);

}  // namespace brevio
