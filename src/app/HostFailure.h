#pragma once

#include "app/StatusLog.h"
#include "host/HostLink.h"

namespace brevio {

// A host call that failed is a status line; the server goes on.
inline void LogHostFailure(StatusLog& log, const HostCallFailed& failure) {
  log.LogStatus(std::string("Host call failed: ") + failure.what());
}

}  // namespace brevio
