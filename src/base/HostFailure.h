// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

#include "base/StatusLog.h"

namespace brevio {

// A host call that failed is a status line; the server goes on.
inline void LogHostFailure(StatusLog& log, const std::exception& failure) {
  log.LogStatus(std::string("Host call failed: ") + failure.what());
}

}  // namespace brevio
