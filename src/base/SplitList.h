// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brevio {

// The non-empty pieces of `text` between `delimiter`s, in order and untrimmed.
std::vector<std::string> SplitList(std::string_view text, char delimiter);

}  // namespace brevio
