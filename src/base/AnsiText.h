// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace brevio {

// Upper case of ANSI (Windows-1252) text: the ASCII letters and the accented letters of the
// code page; every other byte is left as it is.
std::string UpperCase(std::string_view text);

}  // namespace brevio
