// SPDX-License-Identifier: GPL-3.0-or-later
#include "query/QueryBlock.h"

namespace brevio {

bool DroppedWhileThrottled(const RequestGate& gate, StatusLog& log) {
  if (!gate.ThrottledDown()) return false;
  log.LogStatus("  Throttled down, ignoring this message ");
  return true;
}

bool OpenQueryBlock(StatusLog& log, const std::string& from, const std::string& message,
                    const std::string& digipath, const Hops& hops) {
  log.LogStatus("= begin query ========================================");
  log.LogStatus(" from [" + from + "]");
  log.LogStatus(" message = [" + message + "]");
  log.LogStatus(" digipath = " + digipath);
  log.LogStatus(" reversed digipath = " + hops.replyPath);
  if (hops.count <= kMaxHops) return true;
  log.LogStatus(" Ignored: hops (" + std::to_string(hops.count) + ") > max hops (" +
                std::to_string(kMaxHops) + ")");
  log.LogStatus(kEndQueryLine);
  return false;
}

}  // namespace brevio
