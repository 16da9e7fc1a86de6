// SPDX-License-Identifier: GPL-3.0-or-later
#include "query/RemoteRequests.h"

#include <cstdio>

#include "query/DigiPath.h"
#include "query/QueryBlock.h"

namespace brevio {

namespace {

// The shortest text of a single-precision value, as the system writes it (seven significant
// digits at most).
std::string SingleText(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
  return text;
}

}  // namespace

void RemoteRequests::NotifyRemotecommand(std::string& strCallsign,
                                         std::string& strEffectiveDigiPath,
                                         std::string& srReturnDigiPath, std::int16_t& intPort,
                                         std::string& strMessType, std::string& strText,
                                         bool& blnDoneIt) {
  if (DroppedWhileThrottled(gate_, log_)) return;
  blnDoneIt = false;
  reply_.requesterCall = strCallsign;
  const Hops hops = CountHops(strEffectiveDigiPath);
  // Overwritten below once the hops pass; a refused request leaves this one (the host contract).
  reply_.replyPath = hops.replyPath;
  if (!OpenQueryBlock(log_, reply_.requesterCall, strText, strEffectiveDigiPath, hops)) return;

  reply_.replyPath = srReturnDigiPath;
  reply_.replyPort = intPort;
  reply_.messageType = strMessType;
  // Remote requests carry no message number: the tick count stands in for it.
  const std::string messageId = std::to_string(clock_.TickCount());
  if (gate_.AdmitRequest(reply_.requesterCall, strCallsign, messageId)) {
    log_.LogStatus(" honored");
    if (dispatch_.DispatchTopic(strText)) blnDoneIt = true;
  } else {
    log_.LogStatus("Ignored (double)");
  }
  log_.LogStatus(kEndQueryLine);
}

void RemoteRequests::NotifyBeacon(std::string& strCallsign, float& sngLat, float& sngLong) {
  log_.LogStatus("NotifyBeacon(" + strCallsign + ", " + SingleText(sngLat) + ", " +
                 SingleText(sngLong) + ")\r\n");
}

}  // namespace brevio
