// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "base/HostVersionSource.h"

namespace brevio {

inline constexpr std::string_view kNoHostExeVersion = "Unable to locate EXE file";
inline constexpr std::string_view kMinimumHostVersion = "1.99";
inline constexpr std::string_view kMaximumHostVersion = "2.99";

// The host's version as text: a + "." + b + d (2.0.0.3 gives "2.03"), or "Unable to locate EXE
// file" when there is none.
std::string GetHostExeVersion(HostVersionSource& source, const std::string& exePath);

// True when `text` lies between "1.99" and "2.99", both included, comparing the texts by
// character code (so "2.100" is accepted).
bool IsSupportedHostVersion(std::string_view text);

}  // namespace brevio
