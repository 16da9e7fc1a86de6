// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace brevio {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// folder + separator + name, joined as text and never normalised; a folder that ends with a
// separator takes no second one.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace brevio
