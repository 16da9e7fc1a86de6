// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace brevio {

// The decimal number that a text begins with (blanks, a sign, digits, a point and digits), as
// the settings and definition files write numbers; 0 when the text begins with no number.
double LeadingDecimalNumber(std::string_view text);

}  // namespace brevio
