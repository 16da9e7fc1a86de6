// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/StatusLog.h"
#include "query/DigiPath.h"
#include "query/RequestGate.h"

namespace brevio {

// The last line of the query block of a request of either kind, remote or monitored.
inline constexpr const char* kEndQueryLine = "= end query ========================================";

// True, after one status line, when the server is throttled down and drops the request unseen.
bool DroppedWhileThrottled(const RequestGate& gate, StatusLog& log);

// Writes the head of the query block for the request of `from`; false, once its refusal and the
// end line are written too, when it came over more than kMaxHops.
bool OpenQueryBlock(StatusLog& log, const std::string& from, const std::string& message,
                    const std::string& digipath, const Hops& hops);

}  // namespace brevio
