// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "host/aprs/ObjectReport.h"

namespace brevio::test {

// Reads back what FormatObjectReport writes: an information field that begins with ";". Nothing
// for a blank name, a status other than "*" or "_", a compressed position or a malformed time
// stamp or position.
std::optional<ObjectReport> ParseObjectReport(std::string_view info);

}  // namespace brevio::test
